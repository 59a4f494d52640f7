#include "platform/UniqueHandle.h"
#include "platform/Utf.h"

#include <gtest/gtest.h>

static std::vector<int> released;

// The timer resolution, the hotkeys and the hook are given back through this owner: each
// exactly once, however often it is moved, replaced or destroyed.
TEST(UniqueHandle, ReleasesEachHandleExactlyOnce)
{
    using Owned = UniqueHandle<int, [](int handle) { released.push_back(handle); }>;
    {
        Owned first(1);
        Owned second(std::move(first));
        Owned third(3);
        third = std::move(second);
        EXPECT_EQ(released, (std::vector<int>{3}));
    }
    EXPECT_EQ(released, (std::vector<int>{3, 1}));
}

TEST(Utf, ConvertsBothWaysEveryMalformedSequenceBecomesOneReplacementAndCutsOnlyBetweenWholeCharacters)
{
    const std::string valid = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a é € U+1F600 (two units) z
    EXPECT_EQ(std::tuple(Utf16FromUtf8(valid), Utf8FromUtf16(u"a\u00E9\u20AC\U0001F600z"), IsUtf8(valid)),
              std::tuple(u"a\u00E9\u20AC\U0001F600z", valid, true));
    // The smallest code point of each length, the first after the surrogates, the last of one UTF-16 unit.
    const std::string edges = "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xEE\x80\x80\xEF\xBF\xBF";
    EXPECT_EQ(std::tuple(Utf16FromUtf8(edges), Utf8FromUtf16(u"\u0080\u0800\U00010000\uE000\uFFFF"), IsUtf8(edges)),
              std::tuple(u"\u0080\u0800\U00010000\uE000\uFFFF", edges, true));
    // A stray or cut sequence, an overlong form, the first and last surrogates, a code point beyond U+10FFFF.
    const std::pair<std::string, std::u16string> malformed[] = {
        {"\x80x\xC3x\xE2\x82", u"\uFFFDx\uFFFDx\uFFFD"}, {"\xC0\xAF", u"\uFFFD\uFFFD"}, {"\xE0\x80\xAF", u"\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD"}, {"\xED\xBF\xBF", u"\uFFFD"}, {"\xF4\x90\x80\x80", u"\uFFFD"},
        {"\xF5\x80", u"\uFFFD\uFFFD"}};
    for (const auto& [utf8, utf16] : malformed)
        EXPECT_EQ(std::pair(Utf16FromUtf8(utf8), IsUtf8(utf8)), std::pair(utf16, false)) << utf8;
    EXPECT_EQ(Utf8FromUtf16(u"a\xD800" u"b\xDC00"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    const std::pair<std::size_t, std::string> cuts[] = {{4, valid.substr(0, 6)}, {5, valid.substr(0, 10)}, {9, valid}};
    for (const auto& [units, kept] : cuts)
        EXPECT_EQ(CutToUtf16Units(valid, units), kept) << units;
    EXPECT_EQ(CutToUtf16Units("\xE9\xE9\xE9", 2), "\xE9\xE9") << "a malformed byte counts as one unit";
}
