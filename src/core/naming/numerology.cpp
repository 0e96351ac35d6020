#include "core/naming/numerology.h"

#include <cmath>

namespace lumivane {
namespace {

// 三才 values: rows by first, second, third element, each running 火 金 木 水 土.
// clang-format off
constexpr std::string_view kElementOrder[5] = {"火", "金", "木", "水", "土"};
constexpr int kSanCaiValues[5][5][5] = {
    {{13, 13, 21, 7, 10}, {4, 4, 7, 11, 11}, {28, 11, 32, 18, 28}, {4, 11, 7, 7, 7},
     {32, 25, 17, 14, 32}},
    {{10, 14, 18, 11, 7}, {4, 11, 4, 7, 25}, {14, 11, 14, 7, 18}, {11, 14, 7, 7, 7},
     {28, 28, 21, 14, 32}},
    {{24, 17, 25, 14, 21}, {7, 11, 11, 4, 11}, {28, 11, 32, 11, 25}, {4, 4, 11, 10, 7},
     {14, 18, 7, 11, 18}},
    {{7, 14, 11, 11, 14}, {11, 17, 11, 11, 32}, {24, 14, 25, 11, 32}, {4, 11, 4, 7, 4},
     {17, 21, 14, 14, 14}},
    {{17, 17, 32, 18, 24}, {14, 25, 18, 18, 25}, {10, 11, 17, 11, 18}, {7, 4, 7, 7, 11},
     {32, 32, 14, 14, 32}},
};

// Points of the numbers 1 .. 81 (entry n - 1).
constexpr int kNumberValues[81] = {
    12, 0,  12, 1,  12, 5,  8,  8,  1,   // 1-9
    1,  12, 1,  12, 1,  12, 12, 5,  12,  // 10-18
    1,  1,  12, 1,  12, 12, 12, 5,  5,   // 19-27
    1,  5,  5,  12, 12, 12, 0,  12, 1,   // 28-36
    12, 5,  12, 1,  12, 1,  1,  1,  12,  // 37-45
    1,  12, 12, 5,  1,  5,  12, 1,  1,   // 46-54
    5,  1,  12, 5,  1,  1,  12, 1,  12,  // 55-63
    1,  12, 1,  12, 1,  1,  1,  5,  5,   // 64-72
    1,  1,  5,  1,  5,  1,  1,  1,  12,  // 73-81
};
// clang-format on

int ElementPosition(std::string_view element) {
    for (int k = 0; k < 5; ++k) {
        if (kElementOrder[k] == element) {
            return k;
        }
    }
    return -1;
}

}  // namespace

FiveGrids GridsOfStrokes(int f, int b, int d, int e) {
    FiveGrids g;
    g.TianGe = b == 0 ? f + 1 : f + b;
    g.RenGe = b > 0 ? b + d : f + d;
    g.DiGe = e > 0 ? d + e : d + 1;
    g.ZongGe = f + b + d + e;
    if (e == 0 && b == 0) {
        g.WaiGe = 2;
    } else if (e != 0 && b != 0) {
        g.WaiGe = g.ZongGe - g.RenGe;
    } else {
        g.WaiGe = g.ZongGe - g.RenGe + 1;
    }
    return g;
}

FiveGrids ComputeGrids(const FamilyName& family, GivenNameCode code) {
    // Out-of-range indexes (the 0xFFFF of a one-character name) read as 0 strokes.
    int f = static_cast<int>(KangxiStrokesOf(family.firstIndex));
    int b = family.secondText.empty() ? 0 : static_cast<int>(KangxiStrokesOf(family.secondIndex));
    int d = static_cast<int>(KangxiStrokesOf(FirstIndexOf(code)));
    int e = static_cast<int>(KangxiStrokesOf(SecondIndexOf(code)));
    return GridsOfStrokes(f, b, d, e);
}

int ComputeGrid(const FamilyName& family, GivenNameCode code, int kind) {
    FiveGrids g = ComputeGrids(family, code);
    switch (kind) {
        case 1:
            return g.TianGe;
        case 2:
            return g.RenGe;
        case 3:
            return g.DiGe;
        case 4:
            return g.WaiGe;
        case 5:
            return g.ZongGe;
        default:
            return 0;
    }
}

std::string_view ElementOfNumber(int remainder) {
    switch (remainder) {
        case 1:
        case 2:
            return "木";
        case 3:
        case 4:
            return "火";
        case 5:
        case 6:
            return "土";
        case 7:
        case 8:
            return "金";
        case 9:
        case 0:
            return "水";
        default:
            return {};
    }
}

std::string SanCaiPattern(int tianGe, int diGe, int waiGe) {
    std::string pattern;
    pattern += ElementOfNumber(tianGe % 10);
    pattern += ElementOfNumber(diGe % 10);
    pattern += ElementOfNumber(waiGe % 10);
    return pattern;
}

int SanCaiValue(std::string_view pattern) {
    // Each element name is one three-byte UTF-8 character.
    if (pattern.size() == 9) {
        int a = ElementPosition(pattern.substr(0, 3));
        int b = ElementPosition(pattern.substr(3, 3));
        int c = ElementPosition(pattern.substr(6, 3));
        if (a >= 0 && b >= 0 && c >= 0) {
            return kSanCaiValues[a][b][c];
        }
    }
    return 4;
}

int NumberValue(int number) {
    if (number < 1) {
        return 0;
    }
    while (number > 81) {
        number -= 80;
    }
    return kNumberValues[number - 1];
}

double GejuScore(const FiveGrids& g, int sanCaiValue) {
    double s = sanCaiValue / 4.0 + NumberValue(g.TianGe) / 10.0 + NumberValue(g.RenGe) +
               NumberValue(g.DiGe) + NumberValue(g.WaiGe) / 10.0 + NumberValue(g.ZongGe);
    return s > 50 ? 50 : s;
}

std::string FormatGejuScore(double score) {
    // Scores are multiples of 0.05, so hundredths are exact once rounded.
    long hundredths = std::lround((score + 50) * 100);
    std::string text = std::to_string(hundredths / 100);
    if (text.size() < 2) {
        text.insert(0, 2 - text.size(), '0');
    }
    long fraction = hundredths % 100;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

}  // namespace lumivane
