#pragma once
// What the pages of the main window share, provided by the main window: the
// project document (read by the pages, changed only through its commands),
// the item being shown and the few services the window gives them. Pages
// hold a reference to it and never own project data.
//
// The shown item is the pages' working copy of the document's current
// item: a control changes it and says so (`markChanged`); once the user's
// action is done, the window commits the copy to the document as one edit
// command, with whatever the rules and the check derived from the change.
#include "core/text/MessageSink.h"
#include "gui/document/ProjectDocument.h"

class QWidget;

namespace tarvo::gui {

class PageContext {
public:
    virtual ~PageContext() = default;

    virtual ProjectDocument& document() = 0;
    [[nodiscard]] const CommonData& common() { return document().common(); }
    [[nodiscard]] const MatDataBase& catalogue() { return document().catalogue(); }
    [[nodiscard]] const ColumnCheck& check() { return document().check(); }

    // The item shown on the pages (a copy, see above).
    virtual ColumnMember& currentItem() = 0;
    [[nodiscard]] virtual int currentIndex() const = 0;

    // True while an item or the project is being loaded into the pages.
    // Handlers that run because a control was set then apply their effect
    // on lists, fields and enabling, but count no edit and move no focus.
    [[nodiscard]] virtual bool showingItem() const = 0;
    // The user changed the shown item (ignored while an item is shown).
    virtual void markChanged() = 0;
    // The user changed the common conditions to `after`: one command.
    virtual void commitCommon(const CommonInputData& after) = 0;
    // Moves the focus to `widget`, unless an item is being shown.
    virtual void focusControl(QWidget* widget) = 0;

    // Message boxes with their beep.
    virtual MessageSink& messages() = 0;
};

} // namespace tarvo::gui
