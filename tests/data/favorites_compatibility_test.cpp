// Favourites files hold character indexes: a file written before the
// dictionary gained the name characters of the general standard list must
// read back the same names.

#include <gtest/gtest.h>

#include <string>

#include "core/data/character_dictionary.h"
#include "core/results/favorites_file.h"

namespace lumivane {
namespace {

std::string Text(std::uint32_t index) {
    return std::string(CharacterText(index));
}

TEST(FavoritesCompatibility, AFileOfTheFirstReleaseReadsBackTheSameNames) {
    // Written by the first release's `lumivane-cli favorites add`; the names
    // reach from the fixed first indexes to the rare tail and compound family names.
    const auto load = LoadFavorites(LUMIVANE_DATA_FIXTURES "/first-release.Favorites.Velisora");
    ASSERT_TRUE(load.ok()) << load.error;
    const char* expected[] = {"诸葛亮", "叶隽永", "李梓涵", "张浩宇", "王生",     "王明华",
                              "于晟",   "范冤蓄", "锺叕",   "郑诊楔", "欧阳婷婷", "司马坤"};
    ASSERT_EQ(load.shown.size(), std::size(expected));
    for (std::size_t i = 0; i < load.shown.size(); ++i) {
        const Favorite& favorite = load.shown[i];
        const std::string name =
            Text(favorite.familyCode >> 16) + Text(favorite.familyCode & 0xFFFF) +
            Text(FirstIndexOf(favorite.givenCode)) + Text(SecondIndexOf(favorite.givenCode));
        EXPECT_EQ(name, expected[i]) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace lumivane
