#pragma once
// Reads rendered PDF files back through poppler's command-line tools, the
// way a user would copy text out of them.

#include <string>
#include <vector>

namespace lumivane::test {

// The text of one page (from 1), or of every page when page is 0, laid out
// as on the page (pdftotext -layout).
[[nodiscard]] std::string PdfText(const std::string& pdf, int page = 0);
[[nodiscard]] std::vector<std::string> PdfLines(const std::string& pdf, int page = 0);
// 0 when the file is not a readable PDF.
[[nodiscard]] int PdfPageCount(const std::string& pdf);
// The font list of pdffonts.
[[nodiscard]] std::string PdfFonts(const std::string& pdf);

// A word and its box in points from the page's top-left corner.
struct PdfWord {
    std::string text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    [[nodiscard]] double Centre() const { return (xMin + xMax) / 2; }
};
[[nodiscard]] std::vector<PdfWord> PdfWords(const std::string& pdf, int page);

// Page 1 as a PNG at 100 dpi; pngPath ends in ".png". False when pdftoppm fails.
bool RenderFirstPage(const std::string& pdf, const std::string& pngPath);

// Millimetres to PDF points.
[[nodiscard]] constexpr double Points(double mm) {
    return mm / 25.4 * 72.0;
}

// The line with leading and trailing blanks removed.
[[nodiscard]] std::string Trimmed(const std::string& line);

}  // namespace lumivane::test
