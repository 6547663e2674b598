#pragma once
// The column design page: every input of the current column item (product,
// grade, shape and size, pieces, buckling and bending lengths, tenon, axial
// forces, wind data) with the result sheet and the message panel beside it.
// Fields show the shown item's values by their field ids; leaving a field,
// or choosing from a list or check box, changes the shown item, checks it
// again and redraws the sheet, and the window commits the change.
#include <QString>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

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

    // Loads the page from the current item (product, lists, fields, check
    // boxes, floor list); the main window recomputes afterwards.
    void showItem();
    // Checks the current item, redraws the sheet and the message panel.
    void recomputeItem();
    // Applies the size list and shape rules to the current item.
    void refreshSizeControls();
    // Refills the grade list (and with it the size list) from the current
    // item's column material.
    void refillGrades();
    void rebuildFloorList();
    void syncFloorSelect();
    // The long-term snow load field is open only in heavy-snow areas.
    void setSnowFieldEnabled(int snowArea);
    // Puts the focus on the page's first control, the column's product.
    void focusFirstField();

    [[nodiscard]] ResultView* resultView() const { return resultView_; }
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
    NumberEdit* makeField(const char* name, ItemFieldId id, bool zeroVisible);
    void bindField(NumberEdit* field, ItemFieldId id);
    // Shows the shown item's value of the field's id in it.
    void showField(NumberEdit* field);
    void connectField(NumberEdit* field, bool countsOnText);
    void applyShapeEntries();

    void productKindClick(int index);
    void gradeSelectSelect(int index);
    void shapeSelectClick(int index);
    void sizeSelectSelect(int index);
    void mainUpDownClick(int position);
    void subUpDownClick(int position);
    void lkyDirectClick(bool checked);
    void lbDirectClick(bool checked);
    void cfDirectClick(bool checked);
    void autoDeductClick(bool checked);
    void useAxisXClick(bool checked);
    void floorSelectSelect(int index);

    PageContext& context_;
    std::vector<std::string> floorEntries_;
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
