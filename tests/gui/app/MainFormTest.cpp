#include "gui/app/MainForm.h"

#include <QMenuBar>
#include <QScrollArea>

#include "gui/ModalDialog.h"
#include "gui/app/FileCommands.h"

#include "MainFormFixture.h"

namespace tarvo::gui {
namespace {

using MainFormTest = MainFormFixture;

TEST_F(MainFormTest, NewWindowShowsAnUntitledProjectOnTheColumnPage) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("木造柱の設計　(無題)"));
    EXPECT_EQ(find<QTabWidget>("PageControl")->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    EXPECT_EQ(find<QLabel>("PagePanel")->text(), QStringLiteral("1/1"));
    EXPECT_EQ(window_->columns().Count(), 1);
    EXPECT_EQ(window_->modifiedCount(), 0);
    for (const char* name : {"FirstButton", "BeforButton", "NextButton", "LastButton", "DeleteButton", "ArrangeButton"})
        EXPECT_FALSE(find<QToolButton>(name)->isEnabled()) << name;
    // The default item has no section yet: code 1, the message line names
    // the entries, and there is nothing to print.
    EXPECT_EQ(window_->check().CheckColumn(window_->currentItem()).ResultCode, 1);
    EXPECT_EQ(message(), QStringLiteral("断面寸法 b, D が入力されていません。"));
    EXPECT_FALSE(find<QToolButton>("PrintButton")->isEnabled());
}

TEST_F(MainFormTest, PageOrderAndMenus) {
    auto* pages = find<QTabWidget>("PageControl");
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("共通条件"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("横架材材料（個別）"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("柱材料（個別）"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("柱の設計"));
    QStringList menus;
    for (QAction* action : window_->menuBar()->actions())
        menus.append(action->text());
    EXPECT_EQ(menus, (QStringList{QStringLiteral("File(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("LaTeX(&L)"),
                                  QStringLiteral("Help(&H)")}));
}

TEST_F(MainFormTest, VelocityLabelFollowsTheBuildingHeight) {
    auto* velocity = find<QLabel>("Velocity");
    EXPECT_EQ(velocity->text(), QStringLiteral("速度圧 q = ？ N/m2"));
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    type("BuildingHeight", "9");
    EXPECT_DOUBLE_EQ(window_->common().BuildingHeight, 9.0);
    ASSERT_GT(window_->common().VelocityPressure, 0);
    EXPECT_EQ(velocity->text(),
              QStringLiteral("速度圧 q = %1 N/m2").arg(static_cast<long long>(window_->common().VelocityPressure)));
    EXPECT_GT(window_->modifiedCount(), 0);
}

TEST_F(MainFormTest, RoundSawnColumnIsOnePieceWithoutWidth) {
    type("SizeD", "150");
    type("Members", "2");
    clickRadio("ShapeSelect", 1);
    EXPECT_EQ(item().Shape, kRound);
    EXPECT_EQ(item().Members, 1);
    EXPECT_EQ(item().B, 0);
    EXPECT_EQ(item().SizeCode, 0);
    EXPECT_FALSE(find<NumberEdit>("Members")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("SizeSelect")->isEnabled());
    EXPECT_FALSE(find<NumberEdit>("SizeB")->isEnabled());
    EXPECT_TRUE(find<NumberEdit>("SizeD")->isEnabled());
}

TEST_F(MainFormTest, ProductSwitchRemovesRoundAndBringsItBackAsRoundColumn) {
    clickRadio("ShapeSelect", 1);
    clickRadio("ProductKind", 2);
    auto* shape = find<RadioGroup>("ShapeSelect");
    EXPECT_EQ(shape->items(), QStringList{QStringLiteral("矩形")});
    EXPECT_EQ(item().Shape, kRectangular);
    EXPECT_EQ(find<QLabel>("Label6")->text(), QStringLiteral("等級"));
    EXPECT_EQ(find<QComboBox>("SizeSelect")->itemText(0), QStringLiteral("任意"));
    EXPECT_EQ(find<QComboBox>("SizeSelect")->itemText(1), QStringLiteral(" 404"));
    clickRadio("ProductKind", 0);
    EXPECT_EQ(shape->items(), (QStringList{QStringLiteral("矩形"), QStringLiteral("円柱")}));
    clickRadio("ProductKind", 4);
    EXPECT_EQ(find<QLabel>("Label6")->text(), QStringLiteral("樹種"));
}

TEST_F(MainFormTest, DimensionLumberSizesSetTheSectionAndLintelPieces) {
    clickRadio("ProductKind", 1);
    chooseText("SizeSelect", QStringLiteral(" 204"));
    EXPECT_EQ(item().SizeCode, 204);
    EXPECT_EQ(item().B, 38);
    EXPECT_EQ(item().D, 89);
    EXPECT_FALSE(find<NumberEdit>("SizeB")->isEnabled());
    EXPECT_FALSE(find<NumberEdit>("SizeD")->isEnabled());
    EXPECT_TRUE(find<NumberEdit>("SubMembers")->isEnabled());
    type("SubMembers", "2");
    EXPECT_EQ(item().SubMembers, 2);
    chooseText("SizeSelect", QStringLiteral(" 404"));
    EXPECT_EQ(item().SubMembers, 0);
    EXPECT_FALSE(find<NumberEdit>("SubMembers")->isEnabled());
}

TEST_F(MainFormTest, FloorListWithoutAndWithWind) {
    auto* floors = find<QComboBox>("FloorSelect");
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    find<QCheckBox>("StructCheckBox1")->setChecked(true);
    find<QCheckBox>("StructCheckBox3")->setChecked(true);
    find<QTabWidget>("PageControl")->setCurrentIndex(3);
    ASSERT_EQ(floors->count(), 2);
    EXPECT_EQ(floors->itemText(0), QStringLiteral("  1"));
    EXPECT_EQ(floors->itemText(1), QStringLiteral("  3"));
    for (const char* name : {"ObjectHeight", "ObjectWidth", "LbEdit", "CfEdit"})
        EXPECT_FALSE(find<NumberEdit>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QCheckBox>("UseAxisX")->isEnabled());

    windOnTwoStoreys();
    ASSERT_EQ(floors->count(), 3); // storey 3 has no height: the list ends at storey 2
    EXPECT_EQ(floors->itemText(0), QStringLiteral("直接"));
    choose("FloorSelect", 2);
    EXPECT_EQ(item().FloorIndex, 2);
    EXPECT_DOUBLE_EQ(item().HeightZ, window_->common().MidHeight[1]);
    EXPECT_FALSE(find<NumberEdit>("ObjectHeight")->isEnabled());
    EXPECT_TRUE(find<NumberEdit>("ObjectWidth")->isEnabled());
    choose("FloorSelect", 0);
    EXPECT_EQ(item().FloorIndex, 0);
    EXPECT_TRUE(find<NumberEdit>("ObjectHeight")->isEnabled());
    EXPECT_TRUE(find<NumberEdit>("ObjectHeight")->hasFocus());
}

TEST_F(MainFormTest, FloorListIsRebuiltOnlyWhenWoodenStoreysChange) {
    auto* floors = find<QComboBox>("FloorSelect");
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    find<QCheckBox>("StructCheckBox2")->setChecked(true);
    find<QTabWidget>("PageControl")->setCurrentIndex(3);
    const int count = floors->count();
    find<QTabWidget>("PageControl")->setCurrentIndex(0);
    type("SecondFloorHeight", "3.1");
    EXPECT_EQ(window_->floorListStale(), 0);
    find<QCheckBox>("StructCheckBox4")->setChecked(true);
    EXPECT_EQ(window_->floorListStale(), 1);
    find<QTabWidget>("PageControl")->setCurrentIndex(3);
    EXPECT_EQ(window_->floorListStale(), 0);
    EXPECT_EQ(floors->count(), count + 1);
}

TEST_F(MainFormTest, DirectLengthsOpenTheirFieldAndTakeTheTypedValue) {
    auto* lky = find<NumberEdit>("LkyEdit");
    EXPECT_FALSE(lky->isEnabled());
    find<QCheckBox>("LkyDirect")->click();
    EXPECT_TRUE(lky->isEnabled());
    EXPECT_TRUE(lky->hasFocus());
    EXPECT_EQ(lky->text(), QStringLiteral("0")); // shows 0 while entered directly
    QTest::keyClicks(lky, QStringLiteral("1800"));
    QTest::keyClick(lky, Qt::Key_Return);
    EXPECT_EQ(item().Lky, 1800);
    EXPECT_TRUE(item().LkyDirect);
}

TEST_F(MainFormTest, UseAxisXNeedsWindAndAWideGlulamSection) {
    windOnTwoStoreys();
    clickRadio("ProductKind", 2);
    type("SizeB", "150");
    type("SizeD", "150");
    EXPECT_TRUE(find<QCheckBox>("UseAxisX")->isEnabled());
    type("SizeD", "300");
    EXPECT_FALSE(find<QCheckBox>("UseAxisX")->isEnabled());
}

TEST_F(MainFormTest, ResultSheetFollowsTheCode) {
    // Code 1: materials only.
    EXPECT_EQ(window_->check().CheckColumn(item()).ResultCode, 1);
    EXPECT_EQ(sheet().first(), QStringLiteral("柱"));
    EXPECT_FALSE(sheet().join(QString()).contains(QStringLiteral("A=")));

    // Code 2 then 6: a section, then a length, still no force.
    type("SizeB", "105");
    type("SizeD", "105");
    type("LkxEdit", "3000");
    EXPECT_EQ(window_->check().CheckColumn(item()).ResultCode, 6);
    EXPECT_TRUE(sheet().join(QString()).contains(QStringLiteral("λ=")));
    EXPECT_FALSE(sheet().join(QString()).contains(QStringLiteral("常　時")));

    // Code 0 with a force: the load case line with its mark; printing opens.
    type("NL1", "20");
    EXPECT_EQ(window_->check().CheckColumn(item()).ResultCode, 0);
    EXPECT_TRUE(message().isEmpty());
    EXPECT_TRUE(sheet().contains(QStringLiteral("常　時")));
    EXPECT_TRUE(sheet().contains(QStringLiteral("OK")));
    EXPECT_TRUE(find<QToolButton>("PrintButton")->isEnabled());

    // Code 3: too slender, λ in one decimal and no case lines.
    type("LkxEdit", "6000");
    EXPECT_EQ(window_->check().CheckColumn(item()).ResultCode, 3);
    EXPECT_FALSE(message().isEmpty());
    EXPECT_FALSE(sheet().contains(QStringLiteral("常　時")));
    EXPECT_FALSE(find<QToolButton>("PrintButton")->isEnabled());
}

TEST_F(MainFormTest, EveryColumnThatCannotBeCheckedSaysWhichEntryIsMissing) {
    const auto clear = [this](const char* field) {
        NumberEdit* edit = find<NumberEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Tab);
    };
    type("SizeB", "105");
    EXPECT_EQ(message(), QStringLiteral("断面寸法 D が入力されていません。"));
    type("SizeD", "105");
    EXPECT_EQ(message(), QStringLiteral("座屈長さ Lkx が入力されていません。"));
    type("LkxEdit", "2800");
    EXPECT_EQ(message(), QStringLiteral("軸圧縮力が入力されていません。"));
    type("NL1", "20");
    EXPECT_TRUE(message().isEmpty());
    clear("SizeB");
    EXPECT_EQ(message(), QStringLiteral("断面寸法 b が入力されていません。"));
    clickRadio("ShapeSelect", 1);
    clear("SizeD");
    EXPECT_EQ(message(), QStringLiteral("断面寸法 D（直径）が入力されていません。"));
}

TEST_F(MainFormTest, ARefusedEntryKeepsTheFieldsValueAndSaysWhy) {
    type("NL1", "20");
    for (const char* refused : {"1e12", "1e", "9999999999999999999999999999999999999999"}) {
        type("NL1", refused);
        EXPECT_EQ(item().AxialForce[0], 20) << refused;
        EXPECT_EQ(find<NumberEdit>("NL1")->text(), QStringLiteral("20.0")) << refused;
        EXPECT_TRUE(message().contains(QStringLiteral("入力できる値は 0.0 〜 1000000.0 です。"))) << refused;
    }
    type("SizeB", "200000");
    EXPECT_EQ(item().B, 0);
    EXPECT_EQ(message(), QStringLiteral("入力できる値は 0 〜 100000 です。"));
    // The next accepted entry clears the message.
    type("SizeB", "105");
    EXPECT_EQ(item().B, 105);
    EXPECT_FALSE(message().contains(QStringLiteral("入力できる値")));
}

TEST_F(MainFormTest, WindCaseShowsBendingAndShearLines) {
    windOnTwoStoreys();
    type("SizeB", "120");
    type("SizeD", "120");
    type("LkxEdit", "2800");
    choose("FloorSelect", 1);
    type("ObjectWidth", "1.82");
    type("NL1", "10");
    type("NW", "12");
    ASSERT_EQ(window_->check().CheckColumn(item()).ResultCode, 0);
    const QString text = sheet().join(QLatin1Char('|'));
    EXPECT_TRUE(text.contains(QStringLiteral("As=")));
    EXPECT_TRUE(text.contains(QStringLiteral("σc/fk＋σb/fb=")));
    EXPECT_TRUE(text.contains(QStringLiteral("τ/fs=")));
}

TEST_F(MainFormTest, NavigatingThroughItemsIsNoEdit) {
    openSample("mixed-with-ng.tvp");
    ASSERT_GT(window_->columns().Count(), 2);
    EXPECT_EQ(window_->modifiedCount(), 0);
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("mixed-with-ng.tvp")));
    auto* name = find<QComboBox>("NameList");
    name->setFocus();
    for (int i = 0; i < window_->columns().Count(); ++i)
        find<QToolButton>("NextButton")->click();
    EXPECT_EQ(window_->currentIndex(), window_->columns().Count() - 1);
    EXPECT_FALSE(find<QToolButton>("NextButton")->isEnabled());
    find<QToolButton>("FirstButton")->click();
    EXPECT_FALSE(find<QToolButton>("BeforButton")->isEnabled());
    EXPECT_EQ(window_->modifiedCount(), 0);
    EXPECT_TRUE(name->hasFocus());
}

TEST_F(MainFormTest, OpeningAProjectShowsItsCommonConditions) {
    openSample("glulam-wind-1458.tvp");
    EXPECT_EQ(find<RadioGroup>("RadioGroup1")->itemIndex(), window_->common().WindCalcStandard);
    EXPECT_EQ(window_->common().WindCalcStandard, 1);
    EXPECT_EQ(window_->modifiedCount(), 0);
}

TEST_F(MainFormTest, NewAndOpenShowTheColumnPageWithTheFocusOnItsFirstField) {
    auto* pages = find<QTabWidget>("PageControl");
    const auto expectColumnPageFocused = [&](const char* after) {
        EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3")) << after;
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << after;
        EXPECT_EQ(focus, find<RadioGroup>("ProductKind")->button(item().ColumnMaterial.SelectProduct)) << after;
        EXPECT_EQ(window_->modifiedCount(), 0) << after;
    };
    pages->setCurrentIndex(0);
    find<NumberEdit>("BuildingHeight")->setFocus();
    openSample("glulam-wind-1458.tvp");
    expectColumnPageFocused("open");

    find<NumberEdit>("NS")->setFocus();
    pages->setCurrentIndex(1);
    window_->fileCommands().MenuFileNewClick();
    expectColumnPageFocused("new");
}

TEST_F(MainFormTest, TitleCarriesTheModifiedMarkWhileEditsAreUnsaved) {
    const QString untitled = QStringLiteral("木造柱の設計　(無題)");
    type("SizeB", "105");
    EXPECT_EQ(window_->windowTitle(), untitled + QLatin1Char('*'));
    window_->undo();
    EXPECT_EQ(window_->windowTitle(), untitled);
    type("SizeB", "120");
    const auto file = dir_ / "marked.tvp";
    EXPECT_EQ(window_->fileCommands().SaveProjectFile(file), 0);
    window_->setCurrentFile(file);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("木造柱の設計　") + QString::fromStdString(file.string()));
}

TEST_F(MainFormTest, OpeningSizeShowsTheWholeColumnPageAndEverySheetOfAWindProject) {
    openSample("sawn-lumber-wind.tvp");
    // A 1280 × 800 screen less a panel.
    const QSize available(1280, 770);
    const QSize opening = window_->openingSize(available);
    EXPECT_LE(opening.width(), available.width());
    EXPECT_LE(opening.height(), available.height());
    window_->resize(opening);
    QTest::qWait(20);
    QWidget* page = find<QWidget>("TabSheet3");
    EXPECT_GE(page->width(), page->minimumSizeHint().width());
    EXPECT_GE(page->height(), page->minimumSizeHint().height());
    auto* box = find<QScrollArea>("ResultBox");
    for (int i = 0; i < window_->columns().Count(); ++i) {
        window_->ShowItem(i, true);
        const QSize sheet = find<ResultView>("ResultView")->size();
        EXPECT_LE(sheet.width(), box->viewport()->width()) << "item " << i + 1;
        EXPECT_LE(sheet.height(), box->viewport()->height()) << "item " << i + 1;
    }
    // Never larger than a small screen.
    EXPECT_LE(window_->openingSize(QSize(640, 480)).height(), 480);
}

TEST_F(MainFormTest, HelpWithoutAProgramForPdfSaysWhatToInstall) {
    const auto guide = dir_ / "Tarvo_Help.pdf";
    {
        FILE* file = std::fopen(guide.c_str(), "wb");
        std::fputs("%PDF-1.4", file);
        std::fclose(file);
    }
    // A desktop without xdg-open.
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("PATH", dir_.c_str(), 1);
    QString said;
    test::answerModal<QMessageBox>([&](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    window_->findChild<QAction*>(QStringLiteral("N1"))->trigger();
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(said.startsWith(QStringLiteral("ヘルプファイルを表示できません。\n"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("xdg-utils"))) << said.toStdString();
}

TEST_F(MainFormTest, UnreadableFileOnStartKeepsTheNewProject) {
    const auto bad = dir_ / "broken.tvp";
    {
        FILE* file = std::fopen(bad.c_str(), "wb");
        std::fputs("not a project", file);
        std::fclose(file);
    }
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    window_->openProjectOnStart(QString::fromStdString(bad.string()));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("木造柱の設計　(無題)"));
    EXPECT_EQ(window_->columns().Count(), 1);
}

TEST_F(MainFormTest, TypedNumberReachesTheItemBeforeAToolButtonActs) {
    openSample("sawn-lumber-wind.tvp");
    auto* lkx = find<NumberEdit>("LkxEdit");
    lkx->setFocus();
    lkx->selectAll();
    QTest::keyClicks(lkx, QStringLiteral("2500"));
    QTest::mouseClick(find<QToolButton>("NextButton"), Qt::LeftButton);
    EXPECT_EQ(window_->columns().Item(0).Lkx, 2500);
    EXPECT_EQ(window_->currentIndex(), 1);
}

} // namespace
} // namespace tarvo::gui
