#include "tests/e2e/driver/Clipboard.h"
#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/FlashWatch.h"
#include "tests/e2e/driver/IniLines.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Wait.h"

#include <cstdio>

namespace {

using Messages = std::vector<std::string>;

const Messages kKnown = {"First message", "Second one", "The third and longest message"};

Messages Plus(Messages messages, const Messages& more)
{
    messages.insert(messages.end(), more.begin(), more.end());
    return messages;
}

// Milliseconds from now until cond holds, or nothing when it did not within the limit.
template <typename Cond>
std::optional<double> MsUntil(Cond cond, DWORD timeoutMs)
{
    const double start = NowMs();
    if (!WaitUntil(cond, timeoutMs))
        return std::nullopt;
    return NowMs() - start;
}

}  // namespace

using DialogMessages = DialogTest;

TEST_F(DialogMessages, PastedLinesAreAddedTrimmedWithoutBlankLinesByAddOrCtrlEnter)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    const std::string pasted = "You are calm\r\n\r\n  Breathe  \r\n";
    ASSERT_TRUE(PutOnClipboard(pasted));
    dialog.PasteInto(txtNewMsg);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, pasted, kActionTimeoutMs));
    dialog.Click(cmdAdd);
    Messages expected = Plus(kKnown, {"You are calm", "Breathe"});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == expected; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.Text(txtNewMsg), "");
    EXPECT_EQ(dialog.Focused(), txtNewMsg);

    // A lone CR joins, a line of spaces is skipped, a tab is kept, duplicates are added.
    ASSERT_TRUE(PutOnClipboard("a\rb\r\n   \r\n\t\r\nFirst message"));
    PressChord({VK_CONTROL, 'V'});
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "a\rb\r\n   \r\n\t\r\nFirst message", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_RETURN});
    expected = Plus(expected, {"ab", "\t", "First message"});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == expected; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.Text(txtNewMsg), "") << "no stray line break";

    TypeText("x");
    PressChord({VK_RETURN});
    TypeText("y");
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "x\r\ny", kActionTimeoutMs)) << "Enter alone starts a new line";
    PressChord({VK_CONTROL, VK_SHIFT, VK_RETURN});
    expected = Plus(expected, {"x", "y"});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == expected; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.Text(txtNewMsg), "");

    dialog.Click(cmdAdd);
    EXPECT_FALSE(WaitUntil([&] { return dialog.MessageCount() != static_cast<int>(expected.size()); }, 300));
    EXPECT_EQ(dialog.SelectedMessage(), std::nullopt);

    SaveAndWaitClosed(dialog);
    EXPECT_EQ(IniMessages(SettingsText()), expected);
    EXPECT_EQ(OpenByDoubleClick().Messages(), expected) << "read back as they were added";
}

TEST_F(DialogMessages, UpdateAndRemoveActOnTheSelectedEntryAndTheTextBoxFollows)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    ASSERT_TRUE(dialog.TypeInto(txtNewMsg, "nothing selected"));
    dialog.Click(cmdUpdate);
    EXPECT_FALSE(WaitUntil([&] { return dialog.Messages() != kKnown; }, 300));

    dialog.ClickMessage(1);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "Second one", kActionTimeoutMs));
    ASSERT_TRUE(dialog.TypeInto(txtNewMsg, "  new  "));
    dialog.Click(cmdUpdate);
    const Messages renamed = {kKnown[0], "new", kKnown[2]};
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == renamed; }, kActionTimeoutMs)) << "trimmed, in place";

    dialog.ClickMessage(1);
    ASSERT_TRUE(PutOnClipboard("first\r\nsecond"));
    dialog.PasteInto(txtNewMsg);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "first\r\nsecond", kActionTimeoutMs));
    dialog.Click(cmdUpdate);
    const Messages updated = {kKnown[0], "first", kKnown[2]};
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == updated; }, kActionTimeoutMs)) << "only the first line";

    dialog.ClickMessage(1);
    ASSERT_TRUE(dialog.TypeInto(txtNewMsg, "   "));
    dialog.Click(cmdUpdate);
    EXPECT_FALSE(WaitUntil([&] { return dialog.Messages() != updated; }, 300)) << "a blank text changes nothing";

    dialog.ClickMessage(2);
    dialog.Click(cmdRemove);
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == Messages{kKnown[0], "first"}; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.SelectedMessage(), 1) << "the new last entry";
    EXPECT_EQ(dialog.Text(txtNewMsg), "first");

    dialog.ClickMessage(0);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, kKnown[0], kActionTimeoutMs));
    PressChord({VK_DELETE});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Messages() == Messages{"first"}; }, kActionTimeoutMs))
        << "Delete in the list";
    EXPECT_EQ(dialog.SelectedMessage(), 0);
    EXPECT_EQ(dialog.Text(txtNewMsg), "first");

    dialog.Click(txtNewMsg);
    PressChord({VK_CONTROL, VK_HOME});
    PressChord({VK_DELETE});
    EXPECT_TRUE(dialog.WaitForText(txtNewMsg, "irst", kActionTimeoutMs)) << "Delete in the text box edits the text";
    EXPECT_EQ(dialog.MessageCount(), 1);

    dialog.Click(cmdRemove);
    EXPECT_TRUE(WaitUntil([&] { return dialog.MessageCount() == 0; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.Text(txtNewMsg), "");
    SaveAndWaitClosed(dialog);
    EXPECT_EQ(IniValue(SettingsText(), "Messages", "Count"), "0");
    EXPECT_EQ(IniValue(SettingsText(), "Messages", "M1"), std::nullopt);

    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.MessageCount(), 0) << "an empty list is saved as such";
}

TEST_F(DialogMessages, TwentyThousandPastedLinesAreAddedSavedAndShownAgainWithinASecondEach)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    constexpr int kLines = 20000;
    Messages lines;
    std::string pasted;
    for (int i = 1; i <= kLines; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "Pasted message number %05d", i);
        lines.push_back(line);
        pasted += "  " + lines.back() + "\r\n";
    }
    const Messages expected = Plus(kKnown, lines);
    ASSERT_TRUE(PutOnClipboard(pasted));

    dialog.PasteInto(txtNewMsg);
    const HWND box = dialog.Control(txtNewMsg);
    const auto pasteMs = MsUntil(
        [&] { return SendMessageA(box, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(pasted.size()); }, 10000);
    ASSERT_TRUE(pasteMs.has_value()) << "the whole list did not arrive in the text box";

    dialog.Click(cmdAdd);
    const auto addMs = MsUntil(
        [&] { return dialog.MessageCount() == static_cast<int>(expected.size()) && dialog.Text(txtNewMsg).empty(); },
        10000);
    ASSERT_TRUE(addMs.has_value());

    dialog.Click(cmdSave);
    const auto saveMs = MsUntil(
        [&] { return !IsWindow(dialog.Window()) && IniMessages(SettingsText()).size() == expected.size(); }, 10000);
    ASSERT_TRUE(saveMs.has_value());
    EXPECT_EQ(IniMessages(SettingsText()), expected);

    const auto icon = WaitForHalcyraIcon(kActionTimeoutMs);
    ASSERT_TRUE(icon.has_value());
    DoubleClickIcon(*icon);
    const auto reopenMs = MsUntil(
        [&] {
            const HWND window = FindSettingsDialog(program->Id());
            return window && SettingsDialog(window).MessageCount() == static_cast<int>(expected.size());
        },
        10000);
    ASSERT_TRUE(reopenMs.has_value());
    // Every entry is in the file; asking the list for all 20,000 across processes would
    // take the better part of a minute, so every thousandth one and the last are compared.
    dialog = SettingsDialog(FindSettingsDialog(program->Id()));
    for (size_t i = 0; i < expected.size(); i += 1000)
        EXPECT_EQ(dialog.Message(static_cast<int>(i)), expected[i]) << i;
    EXPECT_EQ(dialog.Message(static_cast<int>(expected.size()) - 1), expected.back());

    std::printf(
        "[ measured ] %d lines: pasted in %.0f ms, added in %.0f ms, saved in %.0f ms, shown again in %.0f ms\n",
        kLines, *pasteMs, *addMs, *saveMs, *reopenMs);
    EXPECT_LT(*addMs, 1000);
    EXPECT_LT(*saveMs, 1000);
    EXPECT_LT(*reopenMs, 1000);
}
