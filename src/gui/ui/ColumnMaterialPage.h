#pragma once
// The page "柱材料（個別）": the column material of the current item, in the
// inner pages "製　材" (sawn and 2x4 lumber), "集成材・LVL" and "使用環境区分".
// The page draws the column material form state of the shown item; a choice
// goes as a value to the form, whose item (with the grade and size lists of
// the column design page refilled where the change concerns the column's
// product) becomes the shown item. Nothing here checks the item: the column
// design page does that, and draws its lists again, when it is entered.
#include <QWidget>

#include <optional>

#include "core/form/ColumnMaterialFormState.h"

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

    // The shown item as the pages show it (a species beyond the sawn
    // standard's list becomes its first), drawn. Counts no edit.
    void showItem();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSawnPage();
    QWidget* buildGlulamPage();
    QWidget* buildEnvironPage();

    // A list or radio group choosing the entry of a column material field.
    template <typename Widget>
    void connectChoice(Widget* widget, ItemFieldId field, ChoiceControl ColumnMaterialFormState::*list);
    void connectFlag(QCheckBox* box, ItemFieldId field);
    void DefaultButtonClick();

    [[nodiscard]] FormContext formContext();
    [[nodiscard]] MemberInputData& shown();
    // The item a choice made, if any, into the shown item and committed;
    // the page is drawn again (a refused choice puts the control back).
    void take(const std::optional<MemberInputData>& after);
    void redraw();
    // The scrolled species list: its least size, and the chosen species in view.
    void fitLaminaKindScroll();
    void revealLaminaKind();

    PageContext& context_;
    ColumnMaterialFormState state_;

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
