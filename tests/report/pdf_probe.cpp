#include "pdf_probe.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace lumivane::test {
namespace {

std::string Quoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string Output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        text.append(buffer, n);
    }
    pclose(pipe);
    return text;
}

std::string PageRange(int page) {
    return page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
}

std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        std::size_t at = 0;
        while ((at = text.find(entity, at)) != std::string::npos) {
            text.replace(at, std::string(entity).size(), plain);
            at += 1;
        }
    }
    return text;
}

}  // namespace

std::string PdfText(const std::string& pdf, int page) {
    return Output("pdftotext -layout -enc UTF-8" + PageRange(page) + " " + Quoted(pdf) +
                  " - 2>/dev/null");
}

std::vector<std::string> PdfLines(const std::string& pdf, int page) {
    std::vector<std::string> lines;
    std::istringstream in(PdfText(pdf, page));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\f') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

int PdfPageCount(const std::string& pdf) {
    std::string info = Output("pdfinfo " + Quoted(pdf) + " 2>/dev/null");
    std::smatch match;
    if (std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))"))) {
        return std::stoi(match[1]);
    }
    return 0;
}

std::string PdfFonts(const std::string& pdf) {
    return Output("pdffonts " + Quoted(pdf) + " 2>/dev/null");
}

std::vector<PdfWord> PdfWords(const std::string& pdf, int page) {
    std::string html = Output("pdftotext -bbox -enc UTF-8" + PageRange(page) + " " + Quoted(pdf) +
                              " - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.push_back(
            {Unescaped(m[5]), std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
    }
    return words;
}

bool RenderFirstPage(const std::string& pdf, const std::string& pngPath) {
    std::string base = pngPath.substr(0, pngPath.size() - 4);
    std::string command = "pdftoppm -png -r 100 -f 1 -l 1 -singlefile " + Quoted(pdf) + " " +
                          Quoted(base) + " 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

std::string Trimmed(const std::string& line) {
    std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    std::size_t last = line.find_last_not_of(' ');
    return line.substr(first, last - first + 1);
}

}  // namespace lumivane::test
