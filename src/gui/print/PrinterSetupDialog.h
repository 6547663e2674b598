#pragma once
// The printer setup dialog: which printer prints, on which paper and in
// which orientation. Everything goes through the printer access; OK applies
// the choice, Cancel leaves the printer as it was.
#include <QDialog>

class QComboBox;
class QRadioButton;

namespace tarvo::gui {

class PrinterAccess;

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(PrinterAccess& access, QWidget* parent = nullptr);

    void accept() override;

private:
    void fillPapers(int printerIndex, int paperIndex);

    PrinterAccess& access_;
    QComboBox* printers_ = nullptr;
    QComboBox* papers_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
};

} // namespace tarvo::gui
