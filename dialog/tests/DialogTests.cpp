#include "dialog/DurationNote.h"
#include "dialog/FontList.h"
#include "dialog/MessageList.h"
#include "dialog/OpacityLabel.h"
#include "dialog/Preview.h"
#include "dialog/SaveChecks.h"
#include "dialog/ValidateNumber.h"

#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

TEST(NumberBoxes, APlainDecimalIsCheckedAsWrittenRoundedHalfToEvenAndSaveReportsTheFirstFailingCheckInOrder)
{
    constexpr int32_t min = INT32_MIN;
    const std::string nines(100000, '9'), zeros(100000, '0');
    const struct { std::string text; int32_t lo, hi; std::optional<int32_t> expected; } cases[] = {
        {"2.5", 1, 86400, 2}, {"3.5", 1, 86400, 4}, {"2.50000000000000000001", 1, 9, 3}, {"-2.5", -9, 9, -2},
        {" +007. ", 1, 9, 7}, {".9", 0, 1, 1}, {zeros + "12." + zeros + "1", 1, 99, 12}, {"-2147483647.6", min, 0, min},
        {"0.6", 1, 9, {}}, {"400.1", 6, 400, {}}, {"4294967297", 1, 86400, {}}, {"-" + nines, -9, 9, {}},
        {"-2147483648.4", min, 0, {}}, {".", 0, 1, {}}, {"1.2.3", 0, 9, {}}, {"- 5", -9, 9, {}}, {"+-5", -9, 9, {}},
        {"\t5", 0, 9, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ValidateNumber(c.text, c.lo, c.hi), c.expected) << '"' << c.text.substr(0, 30) << '"';
    // The texts of the number boxes in their order on the dialog; the boxes left out are empty.
    const auto check = [](Lines texts) {
        const SettingsControl boxes[] = {txtIntMin, txtIntMax, txtDuration, txtSizeMin, txtSizeMax};
        texts.resize(std::size(boxes));
        return CheckSave([&](SettingsControl box) { return texts.at(std::ranges::find(boxes, box) - boxes); },
                         DefaultSettings());
    };
    const struct { Lines texts; SettingsControl box; bool selectAll; const char* message; } failures[] = {
        {{"0.6"}, txtIntMin, true, "Minimum interval must be a number between 1 and 86400."},
        {{"30", "20"}, txtIntMax, false, "Maximum interval must be greater than or equal to the minimum."},
        {{"30", "30"}, txtDuration, true, "Display time must be a number between 10 and 10000."},
        {{"5", "20", "100", "401"}, txtSizeMin, true, "Minimum font size must be a number between 6 and 400."},
        {{"5", "20", "100", "48", "28"}, txtSizeMax, false,
         "Maximum font size must be greater than or equal to the minimum."}};
    for (const auto& c : failures) {
        const auto result = check(c.texts);
        const SaveFailure* f = std::get_if<SaveFailure>(&result);
        ASSERT_TRUE(f) << c.message;
        EXPECT_EQ(std::tie(f->box, f->selectAll, f->message), std::tie(c.box, c.selectAll, c.message));
    }
    // The sizes are equal once rounded, so their order check passes.
    const Settings n = std::get<Settings>(check({"2.5", " 30 ", "10.5", "20.4", "20"}));
    EXPECT_EQ(std::tie(n.IntervalMin, n.IntervalMax, n.DurationMs, n.FontSizeMin, n.FontSizeMax),
              std::make_tuple(2, 30, 10, 20, 20));
}

TEST(DurationNote, NamesTheFramesOfAWholeNumberThatSaveAcceptsAndOtherwiseGivesTheExample)
{
    using std::chrono::nanoseconds;
    constexpr nanoseconds k60Hz{16'666'666}, k144Hz{6'944'444};
    const struct { const char* text; nanoseconds period; const char* note; } cases[] = {
        {"10", k60Hz, "1 frame at 60 Hz"}, {"40", k60Hz, "2 frames at 60 Hz"}, {"40.0", k60Hz, "e.g. 30 - 200"},
        {"9", k60Hz, "e.g. 30 - 200"}, {"10001", k60Hz, "e.g. 30 - 200"}, {"10000", k144Hz, "1440 frames at 144 Hz"}};
    for (const auto& c : cases)
        EXPECT_EQ(DurationNoteText(c.text, c.period), c.note) << c.text;
}

TEST(MessageList, FindsTheFirstLineLongerThanAMessageCanHoldAndWhereTheEditorSelectsWhatIsTooMuch)
{
    const std::string fits(4095, 'x');
    const struct { std::string text; bool firstOnly; std::optional<OverlongLine> line; } cases[] = {
        {"  " + fits + "  \r\n", false, std::nullopt},
        {fits + "y", false, OverlongLine{1, 4095, 4096}},
        // Carriage returns and leading spaces do not count; the selection runs to the line's end.
        {"a\r\n  " + fits + "\ryz\r\nb", false, OverlongLine{2, 4101, 4104}},
        {"a\n" + fits + "y", true, std::nullopt},
        {fits.substr(1) + "\xF0\x9F\x98\x80", false, OverlongLine{1, 4094, 4096}}};
    for (const auto& c : cases)
        EXPECT_EQ(FindOverlongLine(c.text, c.firstOnly), c.line) << c.text.size();
    EXPECT_EQ(OverlongText({12, 0, 0}, true), "A message can hold at most 4095 characters.\r\nLine 12 is too long.");
}

TEST(MessageList, AddsNonBlankLinesTrimmedOfSpacesUpdatesFromTheFirstAndRemovingSelectsTheNextOrTheNewLast)
{
    MessageList list({"a"});
    list.Select(1);  // beyond the end: nothing
    EXPECT_FALSE(list.Update("z"));
    list.Select(0);
    EXPECT_EQ(list.Add("a\r\n\r\n  Bre\rathe  \r\n \t \n   "), 3u);
    EXPECT_TRUE(list.Update("fi\rrst  \r\nsecond"));
    EXPECT_FALSE(list.Update("   \nsecond"));
    EXPECT_EQ(list.Entries(), (Lines{"first", "a", "Breathe", "\t"}));
    // Each removal tells the position it emptied: the selection stays there while it can.
    list.Select(1);
    std::vector<std::optional<std::size_t>> removed;
    for (int i = 0; i < 4; ++i)
        removed.push_back(list.Remove());
    EXPECT_EQ(removed, (std::vector<std::optional<std::size_t>>{1, 1, 1, 0}));
    EXPECT_TRUE(list.Entries().empty() && !list.Selected() && !list.Remove());
    // A lone line feed ends a line as CR LF does, a lone carriage return joins two: no character is lost.
    list.Add("a\nb\rc\r\nd");
    EXPECT_EQ(list.Entries(), (Lines{"a", "bc", "d"}));
}

TEST(FontListAndOpacityLabel, SortIgnoringCaseKeepEachFaceOnceSelectTheFirstMatchElseTheFirstAndRoundThePercentage)
{
    EXPECT_EQ(SortFontNames({"Verdana", "arial", "Courier New", "Arial", "Verdana", "@MS Gothic", "ARIAL"}),
              (Lines{"@MS Gothic", "arial", "Courier New", "Verdana"}));
    const Lines fonts{"Arial", "Tahoma", "tahoma", "Verdana"};
    EXPECT_EQ(std::tuple(SelectFont(fonts, "TAHOMA"), SelectFont(fonts, "Tahoma Bold"), SelectFont({}, "Arial")),
              std::tuple(1u, 0u, std::nullopt));
    EXPECT_EQ(std::tuple(OpacityLabelText(10), OpacityLabelText(11), OpacityLabelText(255)),
              std::tuple("4%", "4%", "100%"));
}

TEST(PlanPreview, TakesTheControlsAsTheyAreDrawingTheMessageUnlessSelectedThenTheSizeThenTheColourIfRandom)
{
    const Lines three{"a", "b", "c"};
    PreviewControls c{three, 1, "20", "20", "100", false, 0x00FF00, "Tahoma", true, 200, true};
    ScriptedRandom draws{0.0f, 0.99f, 0.5f, 1.0f / 256, 2.0f / 256, 3.0f / 256, 0.5f};
    const PreviewValues v = PlanPreview(c);
    EXPECT_EQ(std::tie(v.sText, v.sFont, v.lSize, v.bBold, v.lColor, v.lOpacity, v.bAllMonitors, v.lDurationMs),
              std::make_tuple("b", "Tahoma", 20, true, 0x00FF00, 200, true, 100));
    // A minimum above the maximum: the size is drawn from 20 to 50.
    std::tie(c.selected, c.sizeMinText, c.randomColor) = std::tuple(std::nullopt, "50", true);
    const PreviewValues drawn = PlanPreview(c);
    EXPECT_EQ(std::tie(drawn.sText, drawn.lSize, drawn.lColor), std::make_tuple("c", 35, 1 + 2 * 256 + 3 * 65536));
    // Unreadable or out-of-range boxes land on their bounds; an empty list shows a placeholder.
    std::tie(c.messages, c.sizeMinText, c.sizeMaxText, c.durationText, c.randomColor) =
        std::tuple(std::span<const std::string>(), "abc", "abc", "99999", false);
    const PreviewValues edge = PlanPreview(c);
    EXPECT_EQ(std::tie(edge.sText, edge.lSize, edge.lDurationMs), std::make_tuple("Preview message", 6, 10000));
}
