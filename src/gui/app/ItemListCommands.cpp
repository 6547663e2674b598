#include "gui/app/ItemListCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include <string>
#include <utility>
#include <vector>

#include "core/check/ColumnCheck.h"
#include "core/project/ArrangeLine.h"
#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"
#include "core/text/MessageSink.h"
#include "gui/app/MainForm.h"
#include "gui/print/QtText.h"
#include "gui/ui/InputDlg.h"
#include "gui/ui/ReplaceForm.h"

namespace tarvo::gui {

ItemListCommands::ItemListCommands(MainForm& window, const Controls& controls)
    : QObject(&window), window_(window), controls_(controls) {
    inputDlg_ = new InputDlg(&window);
    replaceForm_ = new ReplaceForm(*inputDlg_, &window);

    connect(controls_.addButton, &QToolButton::clicked, this, &ItemListCommands::AddButtonClick);
    connect(controls_.addCopyButton, &QToolButton::clicked, this, &ItemListCommands::AddCopyButtonClick);
    connect(controls_.deleteButton, &QToolButton::clicked, this, &ItemListCommands::DeleteButtonClick);
    connect(controls_.arrangeButton, &QToolButton::clicked, this, &ItemListCommands::ArrangeButtonClick);

    QComboBox* nameList = controls_.nameList;
    // Typing renames the item; an inline completion would put another
    // entry's text into the field without the user typing it.
    nameList->setCompleter(nullptr);
    connect(nameList, &QComboBox::activated, this, &ItemListCommands::NameListClick);
    // Only what the user types renames: the window's own changes of the text
    // (showing an item, filling the list) never do.
    connect(nameList->lineEdit(), &QLineEdit::textEdited, this, &ItemListCommands::NameListChange);
    nameList->installEventFilter(this);
    nameList->lineEdit()->installEventFilter(this);
}

void ItemListCommands::AddButtonClick() {
    addItem(false);
}

void ItemListCommands::AddCopyButtonClick() {
    addItem(true);
}

void ItemListCommands::addItem(bool keepForcesAndName) {
    window_.commitPendingEdit();
    if (!window_.check().CheckColumn(window_.currentItem()).computable()) {
        QApplication::beep();
        controls_.messageBord->setText(QStringLiteral("現在のデータが未入力です。"));
        return;
    }
    ProjectDocument& document = window_.document();
    // The project must stay one its file can hold and the reader take back.
    if (!projectWouldFit(document.columns(), {window_.currentItem()})) {
        window_.messages().showMessage(MessageKind::Error, "データを追加できません。\n" + projectTooLargeMessage());
        return;
    }
    MemberInputData added = window_.currentItem().input();
    if (!keepForcesAndName) {
        added.AxialForce = {};
        added.Name.clear();
    }
    // The document shows the new item at the end of the list.
    document.insertItem(document.count(), added,
                        keepForcesAndName ? QStringLiteral("データのコピー") : QStringLiteral("データの追加"),
                        window_.currentPage());
}

void ItemListCommands::DeleteButtonClick() {
    window_.commitPendingEdit();
    const int index = window_.currentIndex();
    if (index <= 0) {
        // The button is off there; a click that still arrives is told why.
        QApplication::beep();
        controls_.messageBord->setText(QStringLiteral("先頭のデータは削除できません。"));
        return;
    }
    window_.document().removeItem(index, QStringLiteral("データの削除"), window_.currentPage());
}

void ItemListCommands::ArrangeButtonClick() {
    window_.commitPendingEdit();
    ProjectDocument& document = window_.document();
    const ColumnsData& list = document.columns();
    QStringList lines;
    lines.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        lines.append(toQString(FormatArrangeLine(i + 1, list.Item(i).Name)));
    replaceForm_->setLines(lines);
    if (replaceForm_->exec() != QDialog::Accepted) return;

    // The dialog keeps at least one line; an empty result would still be
    // refused by the list, which is never empty.
    const QStringList arranged = replaceForm_->lines();
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(arranged.size()));
    for (const QString& line : arranged)
        result.push_back(line.toStdString());
    ColumnsData arrangedList = document.itemsCopy();
    if (arrangedList.Rearrange(result) == 0) return;
    std::vector<MemberInputData> items;
    items.reserve(static_cast<std::size_t>(arrangedList.Count()));
    for (int i = 0; i < arrangedList.Count(); ++i)
        items.push_back(arrangedList.Item(i).input());
    document.replaceItems(std::move(items), 0, QStringLiteral("データの整理"), window_.currentPage());
}

void ItemListCommands::itemShown() {
    remembered_ = toQString(window_.currentItem().Name);
}

bool ItemListCommands::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        // Opening and closing the drop-down list moves the focus too; only
        // coming from another control counts.
        if (watched == controls_.nameList && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            NameListEnter();
        break;
    case QEvent::FocusOut:
        if (watched == controls_.nameList && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            NameListExit();
            // Typing the name again later is an edit of its own.
            window_.endRenaming();
        }
        break;
    case QEvent::KeyPress:
        if (NameListKeyDown(*static_cast<QKeyEvent*>(event))) return true;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void ItemListCommands::NameListEnter() {
    remembered_ = controls_.nameList->currentText();
}

void ItemListCommands::NameListClick(int index) {
    if (index == window_.currentIndex()) return;
    window_.commitPendingEdit();
    window_.ShowItem(index, false);
    remembered_ = controls_.nameList->currentText();
}

void ItemListCommands::NameListChange(const QString& text) {
    QLineEdit* edit = controls_.nameList->lineEdit();
    const int caret = edit->cursorPosition();
    renameCurrent(text);
    edit->setCursorPosition(caret);
}

bool ItemListCommands::NameListKeyDown(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Escape:
        controls_.nameList->setEditText(remembered_);
        renameCurrent(remembered_);
        return true;
    case Qt::Key_Up: window_.ShowItem(window_.currentIndex() - 1, true); return true;
    case Qt::Key_Down: window_.ShowItem(window_.currentIndex() + 1, true); return true;
    default: return false;
    }
}

void ItemListCommands::NameListExit() {
    // The field shows at most its maximum length of a longer name read from
    // a file; that cut is no rename.
    const QString text = controls_.nameList->currentText();
    const QString name = toQString(window_.currentItem().Name);
    if (text != name.left(controls_.nameList->lineEdit()->maxLength())) renameCurrent(text);
}

void ItemListCommands::renameCurrent(const QString& name) {
    ColumnMember& item = window_.currentItem();
    const std::string utf8 = name.toStdString();
    if (item.Name == utf8) return;
    item.Name = utf8;
    const int index = window_.currentIndex();
    if (index < controls_.nameList->count()) {
        // Replacing the shown entry puts its text into the field again, with
        // the caret at the end; the caller puts the caret back.
        controls_.nameList->setItemText(index, name);
    }
    window_.markChanged();
}

} // namespace tarvo::gui
