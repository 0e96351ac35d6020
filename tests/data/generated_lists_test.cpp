// What the generators make of the data: a parent must never be offered a
// character of the other sex, a son-preference character or a family name.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/app/naming_request.h"
#include "core/naming/naming_state.h"
#include "core/naming/random_source.h"

namespace lumivane {
namespace {

std::set<std::uint32_t> Indexes(std::initializer_list<const char*> texts) {
    std::set<std::uint32_t> out;
    for (const char* text : texts) {
        const std::uint32_t index = FindCharacter(text);
        EXPECT_LT(index, DictionarySize) << text;
        out.insert(index);
    }
    return out;
}

// Characters the national statistics give to one sex: gender index at least
// 0.4 towards it (the other sex holds at most 30 % of the bearers).
const std::set<std::uint32_t>& ClearlyMale() {
    static const auto set = Indexes({"军", "伟", "杰", "峰", "浩", "鹏", "强", "刚", "勇", "磊",
                                     "涛", "斌", "龙", "豪", "博", "宇", "轩", "辉", "超", "凯",
                                     "帅", "健", "毅", "翔", "威", "波", "志", "建", "国", "明"});
    return set;
}
const std::set<std::uint32_t>& ClearlyFemale() {
    static const auto set = Indexes({"婷", "娟", "芳", "丽", "燕", "霞", "静", "怡", "欣", "娜",
                                     "莉", "凤", "梅", "红", "琪", "雪", "慧", "艳", "颖", "琳",
                                     "洁", "丹", "瑶", "雅", "美", "萍", "敏", "月", "悦", "彤"});
    return set;
}
const std::set<std::uint32_t>& NeverOffered() {
    static const auto set = Indexes({"娣", "招", "引", "男", "弟", "带", "改", "根", "王", "张",
                                     "李", "刘", "陈", "杨", "黄", "赵", "吴", "周"});
    return set;
}

struct Tally {
    std::size_t names = 0;
    std::size_t otherSex = 0;
    std::size_t neverOffered = 0;
};

Tally Generate(int nameLengthIndex, int sexIndex, std::uint64_t seed) {
    NamingState state{RandomSource(seed)};
    GenerateCandidates(state, nameLengthIndex, sexIndex, nullptr);
    const auto& otherSex = sexIndex == 0 ? ClearlyFemale() : ClearlyMale();
    Tally tally;
    for (GivenNameCode code : state.candidates.codes) {
        const std::uint32_t first = FirstIndexOf(code);
        const std::uint32_t second = SecondIndexOf(code);
        ++tally.names;
        tally.otherSex += otherSex.count(first) + otherSex.count(second) > 0 ? 1 : 0;
        tally.neverOffered +=
            NeverOffered().count(first) + NeverOffered().count(second) > 0 ? 1 : 0;
    }
    return tally;
}

TEST(GeneratedLists, OfferNeitherTheOtherSexNorSonPreferenceNorFamilyNames) {
    const struct {
        const char* label;
        int nameLengthIndex;
        int sexIndex;
    } cases[] = {
        {"two characters, boy", 1, 0},
        {"two characters, girl", 1, 1},
        {"one character, boy", 0, 0},
        {"one character, girl", 0, 1},
    };
    for (const auto& c : cases) {
        for (std::uint64_t seed : {1u, 7u, 42u, 2024u, 65537u}) {
            const Tally tally = Generate(c.nameLengthIndex, c.sexIndex, seed);
            ASSERT_GT(tally.names, 500u) << c.label;
            EXPECT_LE(tally.otherSex * 100, tally.names) << c.label << " seed " << seed;
            EXPECT_EQ(tally.neverOffered, 0u) << c.label << " seed " << seed;
        }
    }
}

}  // namespace
}  // namespace lumivane
