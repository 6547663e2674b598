#pragma once
// A main window on a temporary program folder, driven through its named
// controls as a user drives it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>

#include <unistd.h>

#include "core/project/ProjectFile.h"
#include "gui/app/MainForm.h"
#include "gui/ui/NumLabeledEdit.h"
#include "gui/ui/NumberEdit.h"
#include "gui/ui/RadioGroup.h"
#include "gui/ui/ResultView.h"

namespace tarvo::gui {

// Answers the next message boxes in order with the given buttons.
inline void answerBoxes(std::deque<QMessageBox::StandardButton> answers) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answers]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (answers.empty()) {
            box->close();
        } else {
            QAbstractButton* button = box->button(answers.front());
            answers.pop_front();
            if (button != nullptr)
                button->click();
            else
                box->close();
        }
        if (answers.empty()) timer->deleteLater();
    });
    timer->start();
}

class MainFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("tarvo-mainform-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        // Recovery copies go to a data folder of the test's own (or of the
        // test that started this process as its child).
        const char* shared = std::getenv("TARVO_TEST_DATA_HOME");
        ::setenv("XDG_DATA_HOME", shared != nullptr ? shared : (dir_ / "data").c_str(), 1);
        window_ = std::make_unique<MainForm>(dir_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(dir_);
    }

    template <typename T> T* find(const char* name) {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ColumnMember& item() { return window_->currentItem(); }

    // Types `text` into a field and leaves it with Tab, as a user does.
    void type(const char* field, const char* text) {
        NumberEdit* edit = find<NumberEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(text));
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    void clickRadio(const char* group, int index) { find<RadioGroup>(group)->button(index)->click(); }
    void choose(const char* combo, int index) {
        QComboBox* box = find<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void chooseText(const char* combo, const QString& text) { choose(combo, find<QComboBox>(combo)->findText(text)); }
    QStringList sheet() { return find<ResultView>("ResultView")->drawnTexts(); }
    QString message() { return find<QLabel>("MessageBord")->text(); }
    void openSample(const char* name) {
        window_->openProjectOnStart(QString::fromUtf8(TARVO_SAMPLES_DIR) + QLatin1Char('/') + QLatin1String(name));
    }
    // Turns wind on with storeys 1 and 2 wooden (2.8 m and 2.7 m high).
    void windOnTwoStoreys() {
        find<QTabWidget>("PageControl")->setCurrentIndex(0);
        type("BuildingHeight", "7");
        type("FirstFloorHeight", "2.8");
        type("SecondFloorHeight", "2.7");
        find<QCheckBox>("StructCheckBox1")->setChecked(true);
        find<QCheckBox>("StructCheckBox2")->setChecked(true);
        find<QTabWidget>("PageControl")->setCurrentIndex(3);
    }

    // The bytes a save of the project would write: inputs of the common
    // block and of every item, in list order.
    std::string projectBytes() {
        return serializeProject(window_->common().input(), window_->document().columnsAsSaved());
    }

    std::filesystem::path dir_;
    std::unique_ptr<MainForm> window_;
};

} // namespace tarvo::gui
