#pragma once
// The calculation report as a LaTeX document for pLaTeX: the header lines,
// the page style, the title and the legend, then one enumerate item per
// checked column item. The document is written in code page 932 in pieces:
// the opening in one piece, each item's text in one piece, and the closing.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

class ColumnCheck;
class ColumnMember;
class ColumnsData;

// The print layout values the document uses.
struct LatexLayout {
    int FirstPageNo = 0; // 0: no page numbers
    bool IsTitlePrint = true;
    bool IsHeaderPrint = true;         // the legend (and the wind explanation)
    bool IsSummaryPrint = false;       // the summary of the columns before the legend
    bool IsMaterialsPrint = false;     // the list of materials before the legend
    std::string Title = "§　柱の設計"; // lines separated by "\n"
    int ParagraphSpace = 3;            // mm
    int Indent = 5;                    // mm
};

// Where the document's bytes go. `write` returns the number of bytes
// written, or −1 when writing failed.
class LatexSink {
public:
    virtual ~LatexSink() = default;
    virtual std::int64_t write(std::string_view bytes) = 0;
};

// Collects the document in memory (the file is then written in one step).
class LatexBufferSink final : public LatexSink {
public:
    std::int64_t write(std::string_view bytes) override {
        text.append(bytes);
        return static_cast<std::int64_t>(bytes.size());
    }
    std::string text;
};

class LatexWriter {
public:
    // `headerText`: the lines that open the document (line feeds between
    // them; carriage returns are dropped).
    LatexWriter(const ColumnCheck& check, LatexLayout layout, std::string headerText);

    // Writes the whole document for every item of `columns` in list order.
    // Returns the bytes written by the last piece, or −1 when a write failed
    // (the document then stops there).
    std::int64_t writeLatexDocument(const ColumnsData& columns, LatexSink& file);

    // Checks `item` afresh and writes its text in one piece. Returns the
    // bytes written, 0 when the check fails (nothing is written), or −1 when
    // the write failed.
    std::int64_t writeLatexItem(const ColumnMember& item, LatexSink& file);

    // Everything before the first item (UTF-8): header, page style, title,
    // the summary and the list of materials (each a table ending its page),
    // legend, indent and the start of the list.
    [[nodiscard]] std::string openingText(const ColumnsData& columns) const;

    static constexpr std::string_view kClosingText = "\\end{enumerate}\n\\end{document}\n";

private:
    void appendLegend(std::string& t, const ColumnsData& columns) const;

    const ColumnCheck& check_;
    LatexLayout layout_;
    std::string headerText_;
};

} // namespace tarvo
