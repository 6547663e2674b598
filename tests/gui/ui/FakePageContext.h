#pragma once
// A page context for page tests: a real project document, the first item
// shown, and a counter of the edits a page reports. Every call is counted,
// also while an item is shown.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <utility>

#include "core/text/MessageSink.h"
#include "gui/document/ProjectDocument.h"
#include "gui/ui/PageContext.h"

namespace tarvo::gui::test {

class FakePageContext final : public PageContext {
public:
    explicit FakePageContext(std::filesystem::path settingsFile = {})
        : document_(std::move(settingsFile)), shown_(document_.item(0)) {}

    ProjectDocument& document() override { return document_; }
    ColumnMember& currentItem() override { return shown_; }
    [[nodiscard]] int currentIndex() const override { return 0; }
    [[nodiscard]] bool showingItem() const override { return showing; }
    void markChanged() override { ++edits; }
    void commitCommon(const CommonInputData& after) override {
        ++edits;
        document_.editCommon(after, 0);
    }
    void focusControl(QWidget*) override {}
    MessageSink& messages() override { return sink; }

    [[nodiscard]] int calls() const { return edits; }
    void resetCounters() { edits = 0; }

    bool showing = false;
    int edits = 0;
    RecordingMessageSink sink;

private:
    ProjectDocument document_;
    ColumnMember shown_;
};

// Where a test's settings file lies: nowhere (no file is read or written), in
// a fresh folder, or under a regular file, where no one, not even root, can
// create it.
enum class SettingsFile { None, Writable, Blocked };

inline std::filesystem::path settingsPath(const QTemporaryDir& dir, SettingsFile kind) {
    const std::filesystem::path folder = dir.path().toStdString();
    switch (kind) {
    case SettingsFile::None: return {};
    case SettingsFile::Writable: return folder / "Tarvo.ini";
    case SettingsFile::Blocked: {
        QFile plain(QString::fromStdString((folder / "plain").string()));
        if (!plain.open(QIODevice::WriteOnly)) return {}; // an empty path fails to save too
        return folder / "plain" / "Tarvo.ini";
    }
    }
    return {};
}

// The main window's font: the pages are laid out for it.
inline QFont windowFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(13);
    return font;
}

// Chooses entry `index` of a drop-down list as a user does (which emits
// `activated`, unlike setCurrentIndex).
inline void chooseEntry(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QRect entry = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
}

} // namespace tarvo::gui::test
