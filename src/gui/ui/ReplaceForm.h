#pragma once
// The arrange dialog ("データ整理"): the items of the project as lines
// "%3d; name", which the engineer reorders by drag and drop, renames and
// deletes (with unlimited undo, last deleted first) before handing them back
// with OK. The dialog never changes the project itself.
#include <QDialog>
#include <QStringList>

#include <vector>

class QAction;
class QMenu;
class QToolButton;

namespace tarvo::gui {

class ArrangeListBox;
class InputDlg;

class ReplaceForm : public QDialog {
    Q_OBJECT
public:
    // `inputDlg` is the rename dialog; it outlives this dialog.
    ReplaceForm(InputDlg& inputDlg, QWidget* parent = nullptr);

    // Takes the lines to arrange and measures the widest one in the list's font.
    void setLines(const QStringList& lines);
    // The lines in their order now.
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] int widestLine() const { return widestLine_; }
    [[nodiscard]] ArrangeListBox* listBox() const { return listBox_; }
    [[nodiscard]] int deletedCount() const { return static_cast<int>(deleted_.size()); }

    // Pushes the selected line on the stack of deleted lines and removes it.
    // The last line is never deleted: the project keeps at least one item.
    void DeleteNameClick();
    // Puts the line deleted last back where it was and selects it.
    void DeleteUndoClick();
    // Renames the selected line through the rename dialog.
    void NameChangeClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct UndoMember {
        int index;
        QString text;
    };

    void PopupMenuPopup(const QPoint& pos);
    [[nodiscard]] int selectedLine() const;
    [[nodiscard]] int lineHeight() const;

    InputDlg& inputDlg_;
    ArrangeListBox* listBox_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QAction* nameChange_ = nullptr;
    QAction* deleteName_ = nullptr;
    QAction* deleteUndo_ = nullptr;
    std::vector<UndoMember> deleted_;
    int widestLine_ = 0;
};

} // namespace tarvo::gui
