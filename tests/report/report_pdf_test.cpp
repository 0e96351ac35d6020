// WriteReportPdf as the command line calls it: no application object exists
// beforehand and no display is needed.
#include "report/report_pdf.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../robustness/small_filesystem.h"
#include "core/naming/family_name.h"
#include "core/results/result_list.h"
#include "pdf_probe.h"

namespace lumivane {
namespace {

std::string OutputPath(const std::string& name) {
    std::filesystem::create_directories(LUMIVANE_REPORT_OUTPUT_DIR);
    return std::string(LUMIVANE_REPORT_OUTPUT_DIR) + "/" + name;
}

std::vector<ResultRow> Rows(int count) {
    FamilyName family = MakeFamilyName("欧阳");
    std::vector<ResultRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(BuildResultRow(family, "欧阳",
                                      MakeGivenNameCode(static_cast<std::uint32_t>(40 + i), 700)));
    }
    return rows;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ParseReportLayout, KnowsTheTwoLayouts) {
    EXPECT_EQ(ParseReportLayout("simple"), ReportLayout::Simple);
    EXPECT_EQ(ParseReportLayout("detailed"), ReportLayout::Detailed);
    EXPECT_EQ(ParseReportLayout("Simple"), std::nullopt);
    EXPECT_EQ(ParseReportLayout(""), std::nullopt);
}

TEST(WriteReportPdf, WritesBothLayoutsWithoutAnApplicationObject) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    std::vector<ResultRow> rows = Rows(25);
    std::string memo = RebuildNameMemo(rows, rows.size());

    std::string simple = OutputPath("cli-simple.pdf");
    std::string error;
    ASSERT_TRUE(WriteReportPdf(simple, ReportLayout::Simple, memo, rows, error)) << error;
    EXPECT_EQ(QCoreApplication::instance(), nullptr) << "the call leaves no application behind";
    EXPECT_EQ(test::PdfPageCount(simple), 1);
    std::string text = test::PdfText(simple);
    EXPECT_TRUE(Contains(text, "查询共取得 25 个名字")) << text;
    EXPECT_TRUE(Contains(text, rows[20].Caption()));
    EXPECT_TRUE(Contains(text, "页码：1/1"));

    // A second call in the same process works as the first.
    std::string detailed = OutputPath("cli-detailed.pdf");
    ASSERT_TRUE(WriteReportPdf(detailed, ReportLayout::Detailed, memo, rows, error)) << error;
    text = test::PdfText(detailed);
    EXPECT_TRUE(Contains(text, "笔画组合[简]"));
    bool lastRowNumbered = false;
    for (const std::string& line : test::PdfLines(detailed)) {
        std::string t = test::Trimmed(line);
        lastRowNumbered |= t.rfind("25 ", 0) == 0 && Contains(t, rows[24].Caption());
    }
    EXPECT_TRUE(lastRowNumbered) << text;
    EXPECT_FALSE(Contains(text, "查询共取得")) << "the detailed layout prints the rows";
}

// The characters the names were kept clear of head every page, in both
// layouts, and only when there are some.
TEST(WriteReportPdf, TheHeaderNamesTheCharactersAvoided) {
    std::vector<ResultRow> rows = Rows(200);
    std::string memo = RebuildNameMemo(rows, rows.size());
    std::string error;
    for (ReportLayout layout : {ReportLayout::Simple, ReportLayout::Detailed}) {
        std::string path = OutputPath("cli-avoid.pdf");
        ASSERT_TRUE(WriteReportPdf(path, layout, memo, rows, error, "佳子")) << error;
        const int pages = test::PdfPageCount(path);
        ASSERT_GT(pages, layout == ReportLayout::Detailed ? 1 : 0);
        for (int page = 1; page <= pages; ++page) {
            EXPECT_TRUE(Contains(test::PdfText(path, page), "不用的字：佳子")) << page;
        }
        ASSERT_TRUE(WriteReportPdf(path, layout, memo, rows, error)) << error;
        EXPECT_FALSE(Contains(test::PdfText(path), "不用的字"));
    }
}

TEST(WriteReportPdf, AFileThatCannotBeWrittenIsAnError) {
    std::string error;
    std::string path = OutputPath("no-such-folder/list.pdf");
    EXPECT_FALSE(WriteReportPdf(path, ReportLayout::Simple, "甲", {}, error));
    EXPECT_TRUE(Contains(error, path)) << error;
    EXPECT_TRUE(Contains(error, "无法写入文件")) << error;
    EXPECT_TRUE(Contains(error, "文件或文件夹不存在")) << "the reason in Chinese: " << error;
    EXPECT_FALSE(std::filesystem::exists(path));
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WriteReportPdf, DevFullIsAFailureWithItsReason) {
    std::string error;
    std::vector<ResultRow> rows = Rows(30);
    EXPECT_FALSE(WriteReportPdf("/dev/full", ReportLayout::Detailed, "", rows, error));
    EXPECT_TRUE(Contains(error, "/dev/full")) << error;
    EXPECT_TRUE(Contains(error, "磁盘空间不足")) << error;
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << "the device is written into, not replaced";
}

TEST(WriteReportPdf, AFullDiskKeepsThePreviousPdf) {
    testing::SmallFilesystem disk(400);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "no small file system here: " << disk.Reason();
    }
    const std::filesystem::path pdf = disk.Path() / "list.pdf";
    std::vector<ResultRow> rows = Rows(3);
    std::string error;
    ASSERT_TRUE(
        WriteReportPdf(pdf.string(), ReportLayout::Simple, RebuildNameMemo(rows, 3), rows, error))
        << error;
    const std::string before = Bytes(pdf);
    ASSERT_EQ(test::PdfPageCount(pdf.string()), 1);

    disk.Fill();
    std::vector<ResultRow> many = Rows(400);
    EXPECT_FALSE(WriteReportPdf(pdf.string(), ReportLayout::Detailed, "", many, error));
    EXPECT_TRUE(Contains(error, "磁盘空间不足")) << error;
    EXPECT_EQ(Bytes(pdf), before) << "the old PDF is left as it was";
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(disk.Path())) {
        entries += entry.path().filename().string().rfind(".list.pdf.", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(entries, 0u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace lumivane
