// The favourites file: line format, order, repeats, damaged files, the lines
// beyond those shown, and safe rewrites.

#include "core/results/favorites_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include "../app/temp_folder.h"

#include "core/app/data_folder.h"
#include "core/data/character_dictionary.h"
#include "core/naming/naming_state.h"
#include "core/platform/file_io.h"

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;
using testing::WriteAll;

TEST(FavoriteLine, CodesAndOffsets) {
    struct Case {
        const char* label;
        Favorite favorite;
        const char* line;
    } cases[] = {
        {"华 + 生坤",
         {MakeFamilyNameCode(0, DictionarySize), MakeGivenNameCode(1, 128)},
         "7300,65701"},
        {"one-character given name",
         {MakeFamilyNameCode(5, DictionarySize), MakeGivenNameCode(2, kNoSecondCharacter)},
         "334980,196644"},
        {"two-character family name",
         {MakeFamilyNameCode(3, 4), MakeGivenNameCode(0, 0)},
         "196685,37"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FavoriteLine(c.favorite), c.line) << c.label;
        std::optional<Favorite> parsed = ParseFavoriteLine(c.line);
        ASSERT_TRUE(parsed.has_value()) << c.label;
        EXPECT_EQ(*parsed, c.favorite) << c.label;
    }
    EXPECT_EQ(FamilyNameCodeOf("华"), 7227u) << "0 × 65536 + 7227";
    EXPECT_EQ(FamilyNameCodeOf("华生"), 1u);
    EXPECT_EQ(FamilyNameCodeOf("A"), MakeFamilyNameCode(DictionarySize, DictionarySize))
        << "a character the dictionary lacks counts as 7227";
    EXPECT_EQ(FamilyNameCodeOf("生A"), MakeFamilyNameCode(1, DictionarySize));
}

TEST(FavoriteLine, RejectsWhatIsNotTwoNumbers) {
    for (const char* line :
         {"", "7300", "7300,", ",65701", "7300;65701", "7300,65701,1", " 7300,65701", "7300,65701 ",
          "-5,40", "+7300,65701", "72,65701", "7300,36", "7300,99999999999999", "0x1C84,65701"}) {
        EXPECT_FALSE(ParseFavoriteLine(line).has_value()) << "“" << line << "”";
    }
}

class FavoritesFileTest : public ::testing::Test {
protected:
    FavoritesFileTest() { std::filesystem::create_directories(path.parent_path()); }
    TempDataHome home;
    std::filesystem::path path = FavoritesFilePath();
};

TEST_F(FavoritesFileTest, PathIsBesideTheSettings) {
    EXPECT_EQ(path, home.root() / "data" / "Velisora" / "Favorites.Velisora");
}

TEST_F(FavoritesFileTest, MissingFileIsCreatedEmptyAndLoadsEmpty) {
    FavoritesLoad load = LoadFavorites(path);
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_TRUE(load.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(FavoritesFileTest, AddSortsInTextOrderAndDropsRepeats) {
    Favorite wang{FamilyNameCodeOf("华"), MakeGivenNameCode(1, 128)};    // 7300,65701
    Favorite other{MakeFamilyNameCode(0, 1), MakeGivenNameCode(0, 2)};   // 74,39
    Favorite big{MakeFamilyNameCode(1, 0), MakeGivenNameCode(0, 1000)};  // 65609,1037
    Favorite adds[] = {wang, other, wang};
    FavoritesWrite first = AddFavorites(path, adds);
    ASSERT_TRUE(first.ok()) << first.error;
    Favorite again[] = {wang, big};
    ASSERT_TRUE(AddFavorites(path, again).ok());
    // "1000" before "99": characters compared one by one, the comma before digits.
    EXPECT_EQ(ReadAll(path), "65609,1037\r\n7300,65701\r\n74,39\r\n");

    // A hand-edited file in any order, with repeats, loads in file order.
    WriteAll(path, "74,39\r\n7300,65701\r\n74,39\r\n");
    FavoritesLoad load = LoadFavorites(path);
    ASSERT_TRUE(load.ok());
    ASSERT_EQ(load.shown.size(), 3u);
    EXPECT_EQ(load.shown[0], other);
    EXPECT_EQ(load.shown[1], wang);
    ASSERT_TRUE(AddFavorites(path, {}).ok());
    EXPECT_EQ(ReadAll(path), "7300,65701\r\n74,39\r\n");
}

TEST_F(FavoritesFileTest, LoadFillsTheCandidateListWithTheirOwnFamilyNames) {
    WriteAll(path, "7300,65701\r\n74,39");  // last line without CR LF
    CandidateList candidates;
    candidates.codes = {9, 9, 9};
    FavoritesLoad load = LoadFavorites(path, candidates);
    ASSERT_TRUE(load.ok()) << load.error;
    ASSERT_EQ(candidates.count(), 2u);
    EXPECT_EQ(candidates.codes[0], MakeGivenNameCode(1, 128));
    EXPECT_EQ(candidates.familyCodes[0], MakeFamilyNameCode(0, DictionarySize));
    EXPECT_EQ(candidates.codes[1], MakeGivenNameCode(0, 2));
    EXPECT_EQ(candidates.familyCodes[1], 1u);
}

TEST_F(FavoritesFileTest, MalformedLineIsReportedAndNothingIsWritten) {
    struct Case {
        const char* label;
        std::string bytes;
        std::size_t line;
        const char* shown;
    } cases[] = {
        {"codes of no character", "7300,65701\r\n4294967368,4294967332\r\n", 2,
         "4294967368,4294967332"},
        {"given name without a first character", "7300,473628709\r\n", 1, "7300,473628709"},
        {"family index past the empty record", "473694281,65701\r\n", 1, "473694281,65701"},
        {"text", "7300,65701\r\n74,39\r\nabc,1\r\n", 3, "abc,1"},
        {"not GBK, not digits", "\xC5\xB7,1\r\n", 1, "\\xC5\\xB7,1"},
    };
    for (const Case& c : cases) {
        WriteAll(path, c.bytes);
        CandidateList candidates;
        candidates.codes = {42};
        FavoritesLoad load = LoadFavorites(path, candidates);
        EXPECT_FALSE(load.ok()) << c.label;
        EXPECT_EQ(load.errorLine, c.line) << c.label;
        EXPECT_NE(load.error.find("第 " + std::to_string(c.line) + " 行"), std::string::npos)
            << c.label << ": " << load.error;
        EXPECT_NE(load.error.find(c.shown), std::string::npos) << c.label << ": " << load.error;
        EXPECT_EQ(candidates.codes, std::vector<GivenNameCode>{42}) << "list left as it was";

        Favorite add{7227, 65664};
        FavoritesWrite write = AddFavorites(path, std::span(&add, 1));
        EXPECT_FALSE(write.ok()) << c.label;
        EXPECT_EQ(write.errorLine, c.line) << c.label;
        bool removed = true;
        EXPECT_FALSE(RemoveFavorite(path, add, removed).ok()) << c.label;
        EXPECT_EQ(ReadAll(path), c.bytes) << c.label << ": the file is untouched";
    }
}

TEST(FavoriteLine, AcceptsOnlyIndexesTheDictionaryHolds) {
    struct Case {
        const char* label;
        Favorite favorite;
        bool known;
    } cases[] = {
        {"华 + 生坤", {MakeFamilyNameCode(0, DictionarySize), MakeGivenNameCode(1, 128)}, true},
        {"every index 0 (华华 + 华华)", {0, 0}, true},
        {"one-character given name",
         {MakeFamilyNameCode(0, DictionarySize), MakeGivenNameCode(2, kNoSecondCharacter)},
         true},
        {"family character not in the dictionary",
         {MakeFamilyNameCode(DictionarySize, DictionarySize), MakeGivenNameCode(1, 2)},
         true},
        {"last record",
         {MakeFamilyNameCode(DictionarySize - 1, DictionarySize),
          MakeGivenNameCode(DictionarySize - 1, DictionarySize - 1)},
         true},
        {"all ones", {0xFFFFFFFFu, 0xFFFFFFFFu}, false},
        {"family first past the empty record",
         {MakeFamilyNameCode(DictionarySize + 1, DictionarySize), MakeGivenNameCode(1, 2)},
         false},
        {"family second past the empty record",
         {MakeFamilyNameCode(1, DictionarySize + 1), MakeGivenNameCode(1, 2)},
         false},
        {"given first is the empty record",
         {MakeFamilyNameCode(1, DictionarySize), MakeGivenNameCode(DictionarySize, 2)},
         false},
        {"given second between the dictionary and 0xFFFF",
         {MakeFamilyNameCode(1, DictionarySize), MakeGivenNameCode(1, 0xFFFE)},
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsKnownFavorite(c.favorite), c.known) << c.label;
        EXPECT_EQ(ParseFavoriteLine(FavoriteLine(c.favorite)).has_value(), c.known) << c.label;
    }
}

TEST_F(FavoritesFileTest, WhatAnEditorLeavesIsNoDamage) {
    struct Case {
        const char* label;
        std::string bytes;
    } cases[] = {
        {"one blank trailing line", "39066756,131109\r\n\r\n"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "39066756,131109\r\n7300,65701\r\n"},
        {"blanks at the ends", " 39066756,131109 \r\n\t7300,65701\t\r\n"},
        {"doubled CR", "39066756,131109\r\r\n7300,65701\r\r\n"},
        {"LF only, blank lines inside", "39066756,131109\n\n\n7300,65701\n"},
        {"no line end at the end", "39066756,131109\r\n7300,65701"},
    };
    for (const Case& c : cases) {
        WriteAll(path, c.bytes);
        FavoritesLoad load = LoadFavorites(path);
        ASSERT_TRUE(load.ok()) << c.label << ": " << load.error;
        EXPECT_EQ(load.shown.front(), *ParseFavoriteLine("39066756,131109")) << c.label;
        Favorite add = *ParseFavoriteLine("7300,65701");
        FavoritesWrite write = AddFavorites(path, std::span(&add, 1));
        ASSERT_TRUE(write.ok()) << c.label << ": " << write.error;
        EXPECT_EQ(ReadAll(path), "39066756,131109\r\n7300,65701\r\n") << c.label;
    }
}

TEST_F(FavoritesFileTest, DamagedLinesCanBeSetAsideAndNothingIsLost) {
    const std::string damaged = "7300,65701\r\nabc\r\n\r\n4294967368,4294967332\r\n74,39\r\n";
    WriteAll(path, damaged);
    FavoritesLoad load = LoadFavorites(path);
    EXPECT_EQ(load.errorLine, 2u);
    EXPECT_EQ(load.damagedLines, 2u);
    EXPECT_NE(load.error.find("另有 1 行"), std::string::npos) << load.error;

    FavoritesRepair repair = SetAsideDamagedLines(path);
    ASSERT_TRUE(repair.ok()) << repair.error;
    EXPECT_EQ(repair.moved, 2u);
    EXPECT_EQ(repair.kept, 2u);
    EXPECT_EQ(repair.damagedPath, DamagedLinesPath(path));
    EXPECT_EQ(ReadAll(path), "7300,65701\r\n74,39\r\n");
    EXPECT_EQ(ReadAll(repair.damagedPath), "abc\r\n4294967368,4294967332\r\n");

    // A second damage is added to the lines set aside before.
    WriteAll(path, "xyz\r\n74,39\r\n");
    ASSERT_TRUE(SetAsideDamagedLines(path).ok());
    EXPECT_EQ(ReadAll(repair.damagedPath), "abc\r\n4294967368,4294967332\r\nxyz\r\n");
    EXPECT_EQ(ReadAll(path), "74,39\r\n");

    // Nothing to set aside: the file is left as it is.
    WriteAll(path, "74,39\n");
    FavoritesRepair none = SetAsideDamagedLines(path);
    EXPECT_TRUE(none.ok());
    EXPECT_EQ(none.moved, 0u);
    EXPECT_EQ(ReadAll(path), "74,39\n");
}

TEST_F(FavoritesFileTest, FavoritesOutsideTheDictionaryAreNotWritten) {
    WriteAll(path, "74,39\r\n");
    Favorite bad{0xFFFFFFFFu, 0xFFFFFFFFu};
    EXPECT_FALSE(AddFavorites(path, std::span(&bad, 1)).ok());
    EXPECT_FALSE(WriteFavorites(path, std::span(&bad, 1)).ok());
    EXPECT_EQ(ReadAll(path), "74,39\r\n");
}

TEST_F(FavoritesFileTest, LinesBeyondTheShownOnesSurviveARewrite) {
    std::vector<Favorite> all;
    std::string bytes;
    for (std::uint32_t i = 0; i < 2500; ++i) {
        Favorite f{MakeFamilyNameCode(i, DictionarySize), MakeGivenNameCode(i % 7, i % 11)};
        all.push_back(f);
        bytes += FavoriteLine(f) + "\r\n";
    }
    WriteAll(path, bytes);
    FavoritesLoad load = LoadFavorites(path);
    ASSERT_TRUE(load.ok());
    ASSERT_EQ(load.shown.size(), 2000u);
    ASSERT_EQ(load.beyond.size(), 500u);
    EXPECT_EQ(load.shown[1999], all[1999]);
    EXPECT_EQ(load.beyond[0], all[2000]);

    EXPECT_EQ(FavoritesNotShownText(load.beyond.size()),
              "另有 500 个收藏未显示（最多显示 2000 个）");
    EXPECT_EQ(FavoritesNotShownText(0), "");

    // Remove the first shown row; everything else, shown or not, stays.
    FavoritesWrite write = RemoveFavorites(path, std::span(&all[0], 1), load.All());
    ASSERT_TRUE(write.ok()) << write.error;
    EXPECT_FALSE(write.changedMeanwhile);
    EXPECT_EQ(write.lineCount, 2499u);
    EXPECT_EQ(write.content.size(), 2499u);
    FavoritesLoad after = LoadFavorites(path);
    ASSERT_TRUE(after.ok());
    std::vector<Favorite> reread = after.shown;
    reread.insert(reread.end(), after.beyond.begin(), after.beyond.end());
    ASSERT_EQ(reread.size(), 2499u);
    for (std::size_t i = 1; i < all.size(); ++i) {
        EXPECT_NE(std::find(reread.begin(), reread.end(), all[i]), reread.end()) << i;
    }
    EXPECT_EQ(std::find(reread.begin(), reread.end(), all[0]), reread.end());
}

TEST_F(FavoritesFileTest, RemoveTakesOutEveryCopyAndKeepsOthers) {
    WriteAll(path, "74,39\r\n7300,65701\r\n74,39\r\n65609,1037\r\n");
    bool removed = false;
    FavoritesWrite write = RemoveFavorite(path, Favorite{1, 2}, removed);
    ASSERT_TRUE(write.ok());
    EXPECT_TRUE(removed);
    EXPECT_EQ(ReadAll(path), "65609,1037\r\n7300,65701\r\n");
    ASSERT_TRUE(RemoveFavorite(path, Favorite{1, 2}, removed).ok());
    EXPECT_FALSE(removed);
}

// The favourites view removes the ticked entries from the file as it is at
// that moment, whatever another program did to it since the view was filled.
TEST_F(FavoritesFileTest, RemovalWorksOnTheCurrentFileAndTellsWhetherItChanged) {
    const Favorite a{1, 2}, b{3, 4}, c{5, 6};  // 74,39  76,41  78,43
    const std::vector<Favorite> shown{a, b, c};
    struct Case {
        const char* label;
        std::string fileNow;  // the file when 移出收藏 is pressed
        std::vector<Favorite> ticked;
        std::string after;
        bool changed;
    } cases[] = {
        {"unchanged, one ticked", "74,39\r\n76,41\r\n78,43\r\n", {b}, "74,39\r\n78,43\r\n", false},
        {"unchanged, none ticked: rewritten sorted",
         "74,39\r\n76,41\r\n78,43\r\n",
         {},
         "74,39\r\n76,41\r\n78,43\r\n",
         false},
        {"added meanwhile: kept",
         "74,39\r\n76,41\r\n78,43\r\n80,45\r\n",
         {a},
         "76,41\r\n78,43\r\n80,45\r\n",
         true},
        {"removed meanwhile: stays removed", "74,39\r\n78,43\r\n", {c}, "74,39\r\n", true},
        {"ticked twice in the file: every copy",
         "74,39\r\n76,41\r\n76,41\r\n78,43\r\n",
         {b},
         "74,39\r\n78,43\r\n",
         true},
        {"emptied meanwhile", "", {a}, "", true},
    };
    for (const Case& k : cases) {
        WriteAll(path, k.fileNow);
        // The view was filled from the file as the program wrote it: a, b, c.
        FavoritesWrite write = RemoveFavorites(path, k.ticked, shown);
        ASSERT_TRUE(write.ok()) << k.label << ": " << write.error;
        EXPECT_EQ(write.changedMeanwhile, k.changed) << k.label;
        EXPECT_EQ(ReadAll(path), k.after) << k.label;
        FavoritesLoad reread = LoadFavorites(path);
        EXPECT_EQ(write.content, reread.All()) << k.label << ": content is the file";
    }

    // Damaged meanwhile: reported, and the file stays as the other program left it.
    const std::string damaged = "74,39\r\nnot a favourite\r\n";
    WriteAll(path, damaged);
    FavoritesWrite write = RemoveFavorites(path, std::span(&a, 1), shown);
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.errorLine, 2u);
    EXPECT_FALSE(write.changedMeanwhile);
    EXPECT_EQ(ReadAll(path), damaged);
}

// Writers that run at the same moment take turns: none of their lines is lost.
TEST_F(FavoritesFileTest, ConcurrentWritersKeepEveryLine) {
    constexpr std::uint32_t kWriters = 20;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (std::uint32_t i = 0; i < kWriters; ++i) {
        writers.emplace_back([&, i] {
            Favorite f{MakeFamilyNameCode(i, DictionarySize), MakeGivenNameCode(i, i + 1)};
            if (!AddFavorites(path, std::span(&f, 1)).ok()) {
                ++failures;
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    EXPECT_EQ(failures.load(), 0);
    FavoritesLoad load = LoadFavorites(path);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.shown.size(), kWriters);
    EXPECT_TRUE(std::filesystem::exists(LockPathBeside(path)));
}

// A holder that never lets go makes a change fail with a message, not hang.
TEST_F(FavoritesFileTest, ALockHeldElsewhereFailsTheChangeAfterWaiting) {
    WriteAll(path, "74,39\r\n");
    FileLockBeside held(path, std::chrono::milliseconds(0));
    ASSERT_TRUE(held.locked()) << held.error();
    FileLockBeside second(path, std::chrono::milliseconds(50));
    EXPECT_FALSE(second.locked());
    EXPECT_NE(second.error().find("正被另一个程序修改"), std::string::npos) << second.error();
    EXPECT_EQ(ReadAll(path), "74,39\r\n");
}

TEST_F(FavoritesFileTest, FailedWriteLeavesTheOldFile) {
    std::filesystem::path blocker = home.root() / "plain";
    WriteAll(blocker, "7300,65701\r\n");
    Favorite add{1, 2};
    FavoritesWrite write = WriteFavorites(blocker / "Favorites.Velisora", std::span(&add, 1));
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(ReadAll(blocker), "7300,65701\r\n");
    EXPECT_FALSE(AddFavorites(blocker / "Favorites.Velisora", std::span(&add, 1)).ok());
    EXPECT_EQ(ReadAll(blocker), "7300,65701\r\n");
}

}  // namespace
}  // namespace lumivane
