// The family-name statistics: ordered by bearers, every name once and in GBK,
// ranks and look-ups agreeing.

#include "core/data/family_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

TEST(FamilyNames, OrderedByBearersEachOnceInGbk) {
    ASSERT_GT(FamilyNameCount(), 100u);
    std::set<std::string_view> seen;
    std::uint32_t previous = UINT32_MAX;
    int compound = 0;
    for (std::uint32_t rank = 1; rank <= FamilyNameCount(); ++rank) {
        const std::optional<FamilyNameStatistic> name = FamilyNameOfRank(rank);
        ASSERT_TRUE(name.has_value()) << rank;
        EXPECT_EQ(name->Rank, rank);
        EXPECT_LE(name->Bearers, previous) << name->Text;
        previous = name->Bearers;
        EXPECT_TRUE(seen.insert(name->Text).second) << name->Text;
        EXPECT_TRUE(IsGbkEncodable(name->Text)) << rank;
        const std::size_t characters = CharacterCount(name->Text);
        EXPECT_TRUE(characters == 1 || characters == 2) << name->Text;
        compound += characters == 2 ? 1 : 0;
    }
    EXPECT_GT(compound, 0);
    EXPECT_FALSE(FamilyNameOfRank(0).has_value());
    EXPECT_FALSE(FamilyNameOfRank(static_cast<std::uint32_t>(FamilyNameCount()) + 1).has_value());
}

// 王, 李, 张 are the three most borne family names of the statistics (and of
// the 2020 census); 欧阳 is the most borne compound one.
TEST(FamilyNames, LookUps) {
    const char* top[] = {"王", "李", "张"};
    for (std::uint32_t rank = 1; rank <= 3; ++rank) {
        EXPECT_EQ(FamilyNameOfRank(rank)->Text, top[rank - 1]);
        EXPECT_EQ(FindFamilyName(top[rank - 1])->Rank, rank);
    }
    std::optional<FamilyNameStatistic> ouyang = FindFamilyName("欧阳");
    ASSERT_TRUE(ouyang.has_value());
    for (std::uint32_t rank = 1; rank < ouyang->Rank; ++rank) {
        EXPECT_EQ(CharacterCount(FamilyNameOfRank(rank)->Text), 1u) << rank;
    }
    EXPECT_FALSE(FindFamilyName("").has_value());
    EXPECT_FALSE(FindFamilyName("王李").has_value());
}

}  // namespace
}  // namespace lumivane
