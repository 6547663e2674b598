#pragma once
// The column design page: every input of the current column item (product,
// grade, shape and size, pieces, buckling and bending lengths, tenon, axial
// forces, wind data) with the result sheet and the message panel beside it.
// The page draws the column form state of the shown item; a choice or a
// number left in a field goes, as a value, to the form's choice functions,
// whose item becomes the shown item (committed by the window), and the page
// is checked and drawn again.
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

#include "core/form/ColumnFormState.h"
#include "core/project/ItemFields.h"

namespace tarvo::gui {

class NumberEdit;
class NumLabeledEdit;
class PageContext;
class RadioGroup;
class ResultView;
class UpDownButtons;

class ColumnDesignPage : public QWidget {
    Q_OBJECT
public:
    explicit ColumnDesignPage(PageContext& context, QWidget* parent = nullptr);

    // The shown item as the page shows it (what showing corrects, see
    // ShownItem), drawn; the main window recomputes afterwards. No edit.
    void showItem();
    // Checks the shown item, keeps what the check derives with it, redraws
    // the sheet, the page and the message line.
    void recomputeItem();
    // Draws the page from the shown item as it stands (the message line
    // stays): after the common conditions changed what the page offers.
    void redraw();
    // The storeys changed: the shown item is fitted to the floor list the
    // common conditions now give (no edit) and drawn.
    void rebuildFloorList();
    // The snow area changed what the long-term snow load field offers.
    void setSnowFieldEnabled(int snowArea);
    // Puts the focus on the page's first control, the column's product.
    void focusFirstField();

    [[nodiscard]] ResultView* resultView() const { return resultView_; }
    // The red message line under the page.
    [[nodiscard]] QLabel* messageBoard() const { return messageBord_; }
    // The room the result box needs to show the sheet of a column with wind,
    // bearing and all five load cases without scrolling, in the page's font.
    [[nodiscard]] QSize sheetRoom() const;
    // Holds the result box at least at `sheetRoom` (true) or lets it shrink
    // again (false); the window sizes itself to the page in between.
    void reserveSheetRoom(bool reserve);

signals:
    // The current item was checked; the main window updates the entries
    // that depend on whether any item checks.
    void recomputed();

private:
    void buildLeftHalf(QWidget* panel);
    void buildRightHalf(QWidget* panel);
    // A field of the item's field `id`, formatted by the field table.
    NumberEdit* makeField(const char* name, ItemFieldId id);
    // A typed value goes into the shown item as the field takes it; leaving
    // the field checks the item again.
    void bindField(NumberEdit* field, ItemFieldId id);
    [[nodiscard]] FormContext formContext();
    [[nodiscard]] MemberInputData& shown();
    // What the page drew last, or null before it first drew.
    [[nodiscard]] const ColumnFormState* drawnState() const;
    // Puts `state` into the controls.
    void draw(const ColumnFormState& state);
    // The item a choice made, if any, into the shown item and committed;
    // then the page is checked and drawn again (a refused choice puts the
    // control back).
    void take(const std::optional<MemberInputData>& after);
    // Moves the focus to `field` when the page opened it.
    void focusIfOpen(NumberEdit* field);

    PageContext& context_;
    ColumnFormState state_;
    std::vector<std::pair<NumberEdit*, ItemFieldId>> fields_;

    RadioGroup* productKind_ = nullptr;
    QLabel* label6_ = nullptr;
    QComboBox* gradeSelect_ = nullptr;
    RadioGroup* shapeSelect_ = nullptr;
    QComboBox* sizeSelect_ = nullptr;
    NumberEdit* sizeB_ = nullptr;
    NumberEdit* sizeD_ = nullptr;
    NumLabeledEdit* members_ = nullptr;
    UpDownButtons* mainUpDown_ = nullptr;
    NumLabeledEdit* subMembers_ = nullptr;
    UpDownButtons* subUpDown_ = nullptr;
    NumLabeledEdit* lkxEdit_ = nullptr;
    QLabel* labelLky_ = nullptr;
    NumberEdit* lkyEdit_ = nullptr;
    QCheckBox* lkyDirect_ = nullptr;
    QLabel* labelLb_ = nullptr;
    NumberEdit* lbEdit_ = nullptr;
    QCheckBox* lbDirect_ = nullptr;
    QCheckBox* useAxisX_ = nullptr;
    QCheckBox* autoDeduct_ = nullptr;
    NumberEdit* sizeBs_ = nullptr;
    NumberEdit* sizeDs_ = nullptr;

    NumLabeledEdit* forces_[5] = {};
    QLabel* windLabel1_ = nullptr;
    QComboBox* floorSelect_ = nullptr;
    QLabel* windLabel2_ = nullptr;
    NumberEdit* objectHeight_ = nullptr;
    QLabel* windLabel3_ = nullptr;
    NumberEdit* objectWidth_ = nullptr;
    QLabel* windLabel4_ = nullptr;
    NumberEdit* cfEdit_ = nullptr;
    QCheckBox* cfDirect_ = nullptr;
    QScrollArea* resultBox_ = nullptr;
    ResultView* resultView_ = nullptr;
    QLabel* messageBord_ = nullptr;
    // The message of an entry just refused, shown by the next recompute.
    QString refusedEntry_;
};

} // namespace tarvo::gui
