#pragma once
// The page "柱材料（個別）": the column material of the current item, in the
// inner pages "製　材" (sawn and 2x4 lumber), "集成材・LVL" and "使用環境区分".
// Every control writes straight into the item's `ColumnMaterial`. Changes
// that alter the grade list of the column's own product refill the column
// design page's grade and size lists; nothing here recomputes the item (the
// column design page does that when it is entered again).
#include <QWidget>

#include "core/material/MatInputData.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace tarvo::gui {

class PageContext;
class RadioGroup;

class ColumnMaterialPage : public QWidget {
    Q_OBJECT
public:
    explicit ColumnMaterialPage(PageContext& context, QWidget* parent = nullptr);

    // Loads every control from the current item's column material (the sawn
    // species list refilled for its standard) and applies the enabling
    // rules. Counts no edit and leaves the column design page's lists to the
    // caller.
    void showItem();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSawnPage();
    QWidget* buildGlulamPage();
    QWidget* buildEnvironPage();

    // Event handlers, named after their controls.
    void ProductStandardChange(int index);
    void TimberKindClick(int index);
    void ProductStandard2x4Change(int index);
    void TimberKind2x4Click(int index);
    void UseMSRClick(bool checked);
    void LaminaCompositionClick(int index);
    void LaminaCountClick(int index);
    void LaminaKindClick(int index);
    void UnValuationClick(bool checked);
    void LVL_ShearSelectClick(int index);
    void EnvironSelectClick(int index);
    void DefaultButtonClick();

    [[nodiscard]] MatInputData& material();
    // `TimberKind` from the species list of the sawn standard.
    void fillSpecies();
    // `LaminaCount` and `UnValuation` follow the stored lay-up.
    void updateLayUpEnabling();
    // The column design page's grade and size lists, when the column is of
    // product `product` (other products do not show this choice).
    void refillFor(ProductKind product);
    // The scrolled species list: its least size, and the chosen species in view.
    void fitLaminaKindScroll();
    void revealLaminaKind();
    // A user's change (not the page being loaded) of a radio group.
    [[nodiscard]] bool userChoice(int index) const { return !loading_ && index >= 0; }

    PageContext& context_;
    bool loading_ = false;

    QTabWidget* pages_ = nullptr;
    QComboBox* productStandard_ = nullptr;
    RadioGroup* timberKind_ = nullptr;
    QComboBox* productStandard2x4_ = nullptr;
    RadioGroup* timberKind2x4_ = nullptr;
    QCheckBox* useMSR_ = nullptr;
    RadioGroup* laminaComposition_ = nullptr;
    RadioGroup* laminaCount_ = nullptr;
    QScrollArea* laminaKindScroll_ = nullptr;
    RadioGroup* laminaKind_ = nullptr;
    QCheckBox* unValuation_ = nullptr;
    RadioGroup* lvlShearSelect_ = nullptr;
    RadioGroup* environSelect_ = nullptr;
    QPushButton* defaultButton3_ = nullptr;
    QPushButton* defaultButton4_ = nullptr;
};

} // namespace tarvo::gui
