#include "catalog/file/counted_string.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_view_literals;

TEST(CountedString, FreshStringIsEmptyWithLengthZero) {
    CCountedString text;
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_EQ(text.Text(), "");
}

TEST(CountedString, SetTextStoresTheTerminatorAndStopsAtAZero) {
    CCountedString text;
    text.SetText("abc");
    EXPECT_EQ(text.StoredBytes(), "abc\0"sv);
    text.SetText("ab\0cd"sv);
    EXPECT_EQ(text.Length(), 3u);
    EXPECT_EQ(text.Text(), "ab");
}

// Lengths around the point where a text stops fitting inside the object.
TEST(CountedString, CopiesAndMovesKeepTheBytesAtEveryLength) {
    for (std::size_t size : {0u, 1u, 19u, 20u, 21u, 200u}) {
        const std::string bytes(size, 'x');
        CCountedString original;
        original.SetStoredBytes(bytes);
        CCountedString copy(original);
        CCountedString assigned;
        assigned.SetText("something long enough to live elsewhere");
        assigned = copy;
        CCountedString moved(std::move(copy));
        EXPECT_EQ(original.StoredBytes(), bytes) << size;
        EXPECT_EQ(assigned.StoredBytes(), bytes) << size;
        EXPECT_EQ(moved.StoredBytes(), bytes) << size;
        EXPECT_EQ(copy.Length(), 0u) << size;
    }
}

TEST(CountedString, AssigningItselfOrItsOwnBytesIsSafe) {
    CCountedString text("a title of more than twenty bytes");
    const CCountedString& same = text;
    text = same;
    text.SetStoredBytes(text.StoredBytes());
    EXPECT_EQ(text.Text(), "a title of more than twenty bytes");
    text.SetText(text.Text().substr(2, 5));
    EXPECT_EQ(text.Text(), "title");
}

TEST(CountedString, LivesInContainersThatMoveIt) {
    std::vector<CCountedString> texts;
    for (int i = 0; i < 100; ++i)
        texts.emplace_back(std::string(i, 'a' + i % 26));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(texts[i].Text(), std::string(i, 'a' + i % 26));
}

} // namespace
