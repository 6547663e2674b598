#pragma once
// The rename dialog of the arrange dialog ("名称の変更"): one field for the
// new name of a line, with OK and Cancel.
#include <QDialog>

class QLineEdit;

namespace tarvo::gui {

class InputDlg : public QDialog {
    Q_OBJECT
public:
    explicit InputDlg(QWidget* parent = nullptr);

    // The longest name the field accepts, as the name list of the main window.
    static constexpr int kMaxLength = 30;

    [[nodiscard]] QString text() const;
    void setText(const QString& text);
    [[nodiscard]] QLineEdit* inputBox() const { return inputBox_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* inputBox_ = nullptr;
};

} // namespace tarvo::gui
