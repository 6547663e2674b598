#include "gui/print/PrintCommands.h"

#include "core/print/PrintSettings.h"
#include "core/report/LatexSettings.h"
#include "gui/print/PreviewForm.h"
#include "gui/print/PrintSetup.h"
#include "gui/print/SelectDialog.h"

namespace tarvo::gui {

PrintCommands::PrintCommands(QWidget* window, const std::filesystem::path& settingsFile, const CommonData& common,
                             ColumnsData& columns, const ColumnCheck& check, MessageSink& messages)
    : window_(window), columns_(columns), check_(check), source_(common, columns, check),
      setup_(new PrintSetup(access_, settingsFile, messages, window)),
      printer_(access_, setup_->printer(), setup_->settings(), messages) {}

PrintCommands::~PrintCommands() {
    delete select_;
    delete preview_;
    delete setup_;
}

PrintSetup& PrintCommands::setup() const {
    return *setup_;
}

void PrintCommands::printSetup() {
    setup_->exec();
}

PrintOutcome PrintCommands::print() {
    return printer_.print(window_, columns_, source_);
}

PreviewForm& PrintCommands::previewForm() {
    if (preview_ == nullptr) preview_ = new PreviewForm(*setup_, printer_, columns_, source_, window_);
    return *preview_;
}

void PrintCommands::preview() {
    showPreview();
}

void PrintCommands::showPreview() {
    PreviewForm& form = previewForm();
    form.setStartZoomIndex(previewZoom_);
    form.exec();
    previewZoom_ = form.zoomIndex();
}

void PrintCommands::selectPrint() {
    if (select_ == nullptr) {
        select_ = new SelectDialog(
            columns_, check_, setup_->settings(), [this] { printer_.print(select_, columns_, source_); },
            [this] { showPreview(); }, window_);
    }
    select_->exec();
}

LatexLayout PrintCommands::latexLayout() const {
    return latexLayoutFrom(currentPrintDefault(setup_->printer(), setup_->settings()));
}

} // namespace tarvo::gui
