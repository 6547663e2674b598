#include "gui/print/PdfReportWriter.h"

#include <gtest/gtest.h>

#include <QPdfWriter>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/print/PrintDefault.h"
#include "core/print/PrintSettings.h"
#include "core/print/PrinterInfomation.h"
#include "core/print/ReportTextSource.h"
#include "core/print/WholeSheetTarget.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "gui/print/PdfTarget.h"

namespace tarvo::gui {
namespace {

// Output of a shell command, or nullopt when the tool is not installed.
std::optional<std::string> run(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string output;
    char buffer[4096];
    while (const auto n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status != 0) return std::nullopt;
    return output;
}

bool haveTool(const std::string& tool) {
    return run("command -v " + tool).has_value();
}

ColumnMember sugiColumn(const std::string& name) {
    ColumnMember item;
    item.Name = name;
    item.B = 105;
    item.D = 105;
    item.Lkx = 2800;
    item.AxialForce = {12, 14, 16, 15, 14};
    item.ColumnMaterial.SelectProduct = kSawnLumber;
    item.ColumnMaterial.ProductStandardNormal = 2; // ungraded
    item.ColumnMaterial.KindOfWood[0] = 13;        // すぎ
    ApplyAutoTenon(item);
    return item;
}

class PdfReportWriterTest : public ::testing::Test {
protected:
    PdfReportWriterTest() : check(catalogue, common) {
        dir = std::filesystem::temp_directory_path() /
              ("tarvo-pdf-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        columns.Item(0) = sugiColumn("１階外壁間柱");
        for (int i = 2; i <= 30; ++i)
            columns.Append(sugiColumn("柱" + std::to_string(i)));
        PrintDefault defaults = builtInPrintDefault();
        defaults.FirstPageNo = 1;
        applyPrintDefault(defaults, printer, settings, WholeSheetTarget::a4Pdf());
    }
    ~PdfReportWriterTest() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    CommonData common;
    MatDataBase catalogue;
    ColumnCheck check;
    ColumnsData columns;
    PrinterInfomation printer;
    PrintSettings settings;
};

TEST_F(PdfReportWriterTest, PdfPageIsTheWholeA4SheetOfTheReportCommand) {
    QPdfWriter writer(QString::fromStdString((dir / "probe.pdf").string()));
    const PrinterFacts pdf = PdfTarget(writer).facts();
    const PrinterFacts plain = WholeSheetTarget::a4Pdf().facts();
    EXPECT_EQ(pdf.dpiX, 600);
    EXPECT_EQ(pdf.dpiY, 600);
    EXPECT_EQ(pdf.paperW, plain.paperW);
    EXPECT_EQ(pdf.paperH, plain.paperH);
    EXPECT_EQ(pdf.pageW, plain.pageW);
    EXPECT_EQ(pdf.pageH, plain.pageH);
    EXPECT_EQ(pdf.offX, 0);
    EXPECT_FALSE(pdf.landscape);
}

TEST_F(PdfReportWriterTest, WritesEveryPageWithEmbeddedFontsAndTheItemNames) {
    const auto path = dir / "report.pdf";
    ReportTextSource source(common, columns, check);
    const PdfWriteResult result = PdfReportWriter(printer, settings).write(path, columns, source);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_GT(result.pageCount, 2);
    EXPECT_EQ(result.pageCount, settings.pageCount);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(dir / "report.pdf.part"));

    if (!haveTool("pdfinfo") || !haveTool("pdffonts") || !haveTool("pdftotext")) {
        GTEST_SKIP() << "poppler-utils not installed";
    }
    const auto info = run("pdfinfo '" + path.string() + "'");
    ASSERT_TRUE(info);
    const auto pages = info->find("Pages:");
    ASSERT_NE(pages, std::string::npos) << *info;
    EXPECT_EQ(std::stoi(info->substr(pages + 6)), result.pageCount);
    EXPECT_NE(info->find("595 x 842 pts (A4)"), std::string::npos) << *info;

    const auto fonts = run("pdffonts '" + path.string() + "'");
    ASSERT_TRUE(fonts);
    EXPECT_NE(fonts->find("IPAPMincho"), std::string::npos) << *fonts;
    EXPECT_NE(fonts->find("IPAPGothic"), std::string::npos) << *fonts;
    EXPECT_NE(fonts->find("C059"), std::string::npos) << *fonts;
    // Every font line says "emb yes": the column reads "yes" before "sub".
    std::istringstream lines(*fonts);
    std::string line;
    int fontLines = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("name", 0) == 0 || line.rfind("----", 0) == 0) continue;
        ++fontLines;
        EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
    }
    EXPECT_GT(fontLines, 0);

    const auto text = run("pdftotext -layout '" + path.string() + "' -");
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("柱の設計"), std::string::npos);
    EXPECT_NE(text->find("１階外壁間柱"), std::string::npos);
    EXPECT_NE(text->find("柱30"), std::string::npos);
    EXPECT_NE(text->find("use"), std::string::npos);
}

TEST_F(PdfReportWriterTest, UnwritablePathLeavesNothing) {
    std::ofstream(dir / "file") << "x";
    const auto path = dir / "file" / "report.pdf"; // below a regular file
    ReportTextSource source(common, columns, check);
    const PdfWriteResult result = PdfReportWriter(printer, settings).write(path, columns, source);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(PdfReportWriterTest, ADeviceIsRefusedAndNeverReplaced) {
    // A private stand-in for /dev/full: the device itself must never be renamed over.
    const auto device = dir / "full";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) GTEST_SKIP() << "mknod needs privileges";
    ReportTextSource source(common, columns, check);
    const PdfWriteResult result = PdfReportWriter(printer, settings).write(device, columns, source);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "PDFファイルを作成できません。\n" + device.string() +
                                "\nnot a regular file (a device, a FIFO, a folder or a socket); it was left unchanged");
    struct stat info {};
    ASSERT_EQ(::lstat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(PdfReportWriterTest, AFullDiskKeepsTheEarlierPdf) {
    const auto disk = dir / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root outside a strict container)";
    }
    const auto path = disk / "report.pdf";
    std::ofstream(path) << "earlier report";
    ReportTextSource source(common, columns, check);
    const PdfWriteResult result = PdfReportWriter(printer, settings).write(path, columns, source);
    std::string kept;
    {
        std::ifstream in(path);
        kept.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto entries = std::distance(std::filesystem::directory_iterator(disk), {});
    ::umount(disk.c_str());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "PDFファイルを書き込めません。\n" + path.string() + "\nNo space left on device");
    EXPECT_EQ(kept, "earlier report");
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace tarvo::gui
