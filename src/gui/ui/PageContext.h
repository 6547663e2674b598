#pragma once
// What the pages of the main window share, provided by the main window: the
// project in memory, the catalogue and the check, the current item, the edit
// counter, and the operations of the column design page that other pages
// call. Pages hold a reference to it and never own project data.
#include "core/text/MessageSink.h"

namespace tarvo {
class ColumnCheck;
class ColumnMember;
class ColumnsData;
class CommonData;
class MatDataBase;
} // namespace tarvo

namespace tarvo::gui {

class PageContext {
public:
    virtual ~PageContext() = default;

    virtual CommonData& common() = 0;
    virtual ColumnsData& columns() = 0;
    virtual const MatDataBase& catalogue() = 0;
    virtual ColumnCheck& check() = 0;
    // The item shown on the column design page.
    virtual ColumnMember& currentItem() = 0;
    [[nodiscard]] virtual int currentIndex() const = 0;

    // True while an item or the project is being loaded into the pages.
    // Handlers that run because a control was set then apply their effect
    // on lists, fields and enabling, but count no edit and move no focus.
    [[nodiscard]] virtual bool showingItem() const = 0;
    // Counts one edit of the project (ignored while an item is shown).
    virtual void markChanged() = 0;
    // Moves the focus to `widget`, unless an item is being shown.
    virtual void focusControl(class QWidget* widget) = 0;

    // The column design page's grade and size lists are refilled from the
    // current item's column material (and the size list with them).
    virtual void refillGrades() = 0;
    // The column design page's size and shape rules on the current item.
    virtual void refreshSizes() = 0;
    // Checks and redraws the current item.
    virtual void recomputeItem() = 0;

    // Message boxes with their beep.
    virtual MessageSink& messages() = 0;
};

} // namespace tarvo::gui
