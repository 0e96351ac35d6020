#include "core/text/gbk_order.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(GbkOrder, FollowsGbkBytesNotUnicode) {
    // 啊 is B0A1 and 一 is D2BB in GBK, so 啊 sorts first; in UTF-8 (U+554A, U+4E00)
    // the order is the other way round.
    EXPECT_LT(CompareBytes(GbkSortKey("啊"), GbkSortKey("一")), 0);
    EXPECT_GT(CompareBytes("啊", "一"), 0);
    EXPECT_LT(CompareBytes(GbkSortKey("王明"), GbkSortKey("王明华")), 0);
    EXPECT_EQ(CompareBytes(GbkSortKey("王"), GbkSortKey("王")), 0);
}

TEST(GbkOrder, FoldingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(CompareBytesFoldingAscii("abc", "ABC"), 0);
    EXPECT_LT(CompareBytesFoldingAscii("a", "B"), 0);
    EXPECT_GT(CompareBytes("a", "B"), 0);
    // '[' (0x5B) lies between 'Z' and 'a': folded, 'a' becomes 'A' < '['.
    EXPECT_LT(CompareBytesFoldingAscii("a", "["), 0);
    EXPECT_GT(CompareBytes("a", "["), 0);
    // High bytes are compared unsigned.
    EXPECT_GT(CompareBytesFoldingAscii("\xB0", "z"), 0);
}

}  // namespace
}  // namespace lumivane
