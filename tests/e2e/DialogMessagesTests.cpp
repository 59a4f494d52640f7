#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screen.h"
#include "tests/e2e/driver/Wait.h"

#include <cstdio>

namespace {

using Messages = std::vector<std::string>;

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

TEST_F(DialogMessages, PastedLinesAddedTrimmedUpdateAndRemove)
{
    SettingsDialog dialog = LaunchAndOpen(KnownSettingsLines());
    const Messages known = dialog.Messages();
    const auto showsList = [&](const Messages& messages) {
        return WaitUntil([&] { return dialog.Messages() == messages; }, kActionTimeoutMs);
    };
    const std::string pasted = "You are calm\r\n\r\n  Breathe  \r\n";
    ASSERT_TRUE(PutOnClipboard(pasted));
    dialog.PasteInto(txtNewMsg);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, pasted, kActionTimeoutMs));
    dialog.Click(cmdAdd);
    Messages expected = Plus(known, {"You are calm", "Breathe"});
    EXPECT_TRUE(showsList(expected));
    EXPECT_EQ(dialog.Text(txtNewMsg), "");

    ASSERT_TRUE(PutOnClipboard("x\r\n \r\n  y  "));
    PressChord({VK_CONTROL, 'V'});
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "x\r\n \r\n  y  ", kActionTimeoutMs));
    PressChord({VK_CONTROL, VK_RETURN});
    expected = Plus(expected, {"x", "y"});
    EXPECT_TRUE(showsList(expected)) << "Ctrl+Enter adds too";
    EXPECT_EQ(dialog.Text(txtNewMsg), "") << "no stray line break";

    ASSERT_TRUE(PutOnClipboard("\r\n \r\n\r\n"));
    dialog.PasteInto(txtNewMsg);
    dialog.Click(cmdAdd);
    EXPECT_FALSE(WaitUntil([&] { return dialog.MessageCount() != static_cast<int>(expected.size()); }, 300))
        << "blank lines add nothing";

    dialog.ClickMessage(1);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, "Second one", kActionTimeoutMs));
    ASSERT_TRUE(dialog.TypeInto(txtNewMsg, "  new  "));
    dialog.Click(cmdUpdate);
    expected[1] = "new";
    EXPECT_TRUE(showsList(expected)) << "updated trimmed, in place";
    dialog.ClickMessage(2);
    dialog.Click(cmdRemove);
    expected.erase(expected.begin() + 2);
    EXPECT_TRUE(showsList(expected));
    EXPECT_EQ(dialog.Text(txtNewMsg), expected[2]) << "the entry now in its place is selected";

    SaveAndWaitClosed(dialog);
    EXPECT_EQ(CrLfLines(SettingsText()), WithMessages(KnownSettingsLines(), expected));
    dialog = OpenByDoubleClick();
    EXPECT_EQ(dialog.Messages(), expected) << "read back as they were added";
}

TEST_F(DialogMessages, TwentyThousandPastedLinesAreAddedSavedAndShownAgain)
{
    SettingsDialog dialog = LaunchAndOpen(KnownSettingsLines());
    constexpr int kLines = 20000;
    Messages lines;
    std::string pasted;
    for (int i = 1; i <= kLines; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "Pasted message number %05d", i);
        lines.push_back(line);
        pasted += "  " + lines.back() + "\r\n";
    }
    const Messages expected = Plus(dialog.Messages(), lines);
    ASSERT_TRUE(PutOnClipboard(pasted));

    dialog.PasteInto(txtNewMsg);
    const auto pasteMs = MsUntil([&] { return dialog.Text(txtNewMsg).size() == pasted.size(); }, 10000);
    ASSERT_TRUE(pasteMs.has_value()) << "the whole list did not arrive in the text box";
    dialog.Click(cmdAdd);
    const auto addMs = MsUntil(
        [&] { return dialog.MessageCount() == static_cast<int>(expected.size()) && dialog.Text(txtNewMsg).empty(); },
        10000);
    ASSERT_TRUE(addMs.has_value());
    dialog.Click(cmdSave);
    const auto saveMs = MsUntil([&] { return !IsWindow(dialog.Window()); }, 10000);
    ASSERT_TRUE(saveMs.has_value());
    EXPECT_EQ(CrLfLines(SettingsText()), WithMessages(KnownSettingsLines(), expected));

    const auto icon = WaitForHalcyraIcon(kActionTimeoutMs);
    ASSERT_TRUE(icon.has_value());
    DoubleClickAt(CentreOf(icon->window));
    const auto reopenMs = MsUntil(
        [&] {
            const auto dialogs = SettingsDialogs();
            return !dialogs.empty() &&
                   SettingsDialog(dialogs.front()).MessageCount() == static_cast<int>(expected.size());
        },
        10000);
    ASSERT_TRUE(reopenMs.has_value());
    // Asking the list for all 20,000 across processes would take the better part of a
    // minute, so every thousandth one and the last are compared.
    dialog = SettingsDialog(SettingsDialogs().front());
    for (size_t i = 0; i < expected.size(); i += 1000)
        EXPECT_EQ(dialog.Message(static_cast<int>(i)), expected[i]) << i;
    EXPECT_EQ(dialog.Message(static_cast<int>(expected.size()) - 1), expected.back());
    std::printf(
        "[ measured ] %d lines: pasted in %.0f ms, added in %.0f ms, saved in %.0f ms, shown again in %.0f ms\n",
        kLines, *pasteMs, *addMs, *saveMs, *reopenMs);
}
