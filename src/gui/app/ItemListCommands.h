#pragma once
// The commands on the list of column items: add, copy, delete and arrange
// (with the arrange dialog), and the editable name list through which an
// item is chosen and renamed as one types.
#include <QObject>
#include <QString>

class QComboBox;
class QKeyEvent;
class QLabel;
class QToolButton;

namespace tarvo::gui {

class InputDlg;
class MainForm;
class ReplaceForm;

class ItemListCommands : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QComboBox* nameList;
        QToolButton* addButton;
        QToolButton* addCopyButton;
        QToolButton* deleteButton;
        QToolButton* arrangeButton;
        QLabel* messageBord;
    };

    ItemListCommands(MainForm& window, const Controls& controls);

    // Appends a copy of the current item, with zero forces and no name ("追加")
    // or as it is ("コピー"), once the current item checks.
    void AddButtonClick();
    void AddCopyButtonClick();
    // Deletes the current item; the first item is never deleted.
    void DeleteButtonClick();
    // Reorders, renames and deletes items in the arrange dialog.
    void ArrangeButtonClick();

    // The window showed another item: Esc in the name list goes back to the
    // name that item has now, never to the name of the item shown before.
    void itemShown();

    [[nodiscard]] ReplaceForm& replaceForm() const { return *replaceForm_; }
    [[nodiscard]] InputDlg& inputDlg() const { return *inputDlg_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addItem(bool keepForcesAndName);
    void NameListEnter();
    void NameListClick(int index);
    void NameListChange(const QString& text);
    bool NameListKeyDown(const QKeyEvent& event);
    void NameListExit();
    // Makes `name` the current item's name and its entry's text.
    void renameCurrent(const QString& name);

    MainForm& window_;
    Controls controls_;
    InputDlg* inputDlg_ = nullptr;
    ReplaceForm* replaceForm_ = nullptr;
    QString remembered_;
};

} // namespace tarvo::gui
