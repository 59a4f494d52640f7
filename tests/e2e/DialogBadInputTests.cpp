#include "tests/e2e/driver/Clipboard.h"
#include "tests/e2e/driver/DialogTest.h"
#include "tests/e2e/driver/IniLines.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/MessageBoxes.h"
#include "tests/e2e/driver/Wait.h"

namespace {

struct BadNumber {
    SettingsControl box;
    std::string text;
    std::string message;
};

const std::string kIntMin = "Minimum interval must be a number between 1 and 86400.";
const std::string kDuration = "Display time must be a number between 10 and 10000.";

// Each refused; the ones beyond 32 bits would pass if cut down to 32 bits.
const BadNumber kBadNumbers[] = {
    {txtIntMin, "abc", kIntMin},
    {txtIntMin, "12abc", kIntMin},
    {txtIntMin, "--5", kIntMin},
    {txtIntMin, "+", kIntMin},
    {txtIntMin, ".", kIntMin},
    {txtIntMin, "1.2.3", kIntMin},
    {txtIntMin, "1 2", kIntMin},
    {txtIntMin, "0x10", kIntMin},
    {txtIntMin, "1e10", kIntMin},
    {txtIntMin, "4294967297", kIntMin},
    {txtIntMin, "-4294967295", kIntMin},
    {txtIntMin, "99999999999999999999999999999", kIntMin},
    {txtDuration, "4294967306", kDuration},
    {txtDuration, "-4294967286", kDuration},
};

}  // namespace

using DialogBadInput = DialogTest;

TEST_F(DialogBadInput, TextsThatAreNoNumbersOrOverflow32BitsAreRefusedAndNothingIsStored)
{
    const SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    for (const BadNumber& bad : kBadNumbers) {
        SCOPED_TRACE(bad.text);
        ASSERT_TRUE(dialog.TypeInto(bad.box, bad.text));
        dialog.Click(cmdSave);
        const auto box = WaitForMessageBox(*program, kActionTimeoutMs);
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, bad.message);
        ASSERT_TRUE(DismissMessageBox(*box));
        ASSERT_TRUE(dialog.BringToFront());
        ASSERT_TRUE(dialog.TypeInto(bad.box, bad.box == txtIntMin ? "60" : "250"));
    }
    EXPECT_EQ(SettingsText(), written);

    // Too long to type: a number of 100,000 digits, and 12 behind 20,000 zeros.
    ASSERT_TRUE(PutOnClipboard(std::string(100000, '9')));
    dialog.PasteInto(txtSizeMin);
    dialog.Click(cmdSave);
    auto box = WaitForMessageBox(*program, kActionTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "Minimum font size must be a number between 6 and 400.");
    ASSERT_TRUE(DismissMessageBox(*box));
    ASSERT_TRUE(dialog.BringToFront());
    EXPECT_EQ(SettingsText(), written);

    ASSERT_TRUE(PutOnClipboard(std::string(20000, '0') + "12"));
    dialog.PasteInto(txtSizeMin);
    SaveAndWaitClosed(dialog);
    EXPECT_EQ(CrLfLines(SettingsText()), WithValue(KnownSettingsLines(), "FontSizeMin", "12"));
    EXPECT_FALSE(program->HasExited());
}

TEST_F(DialogBadInput, AnEmptyTextAddsNothingAndALongLineIsKeptWhole)
{
    SettingsDialog dialog = LaunchAndOpen(JoinLines(KnownSettingsLines()));
    ASSERT_TRUE(PutOnClipboard("\r\n \r\n\r\n"));
    dialog.PasteInto(txtNewMsg);
    dialog.Click(cmdAdd);
    EXPECT_FALSE(WaitUntil([&] { return dialog.MessageCount() != 3; }, 300));

    // Wine's edit box wraps a pasted line in time that grows with the square of its
    // length (10,000 characters: 1 s; 80,000: 40 s), so the line stays at 10,000.
    std::string huge;
    for (int i = 0; huge.size() < 10000; ++i)
        huge += "word" + std::to_string(i) + " ";
    huge.pop_back();
    ASSERT_TRUE(PutOnClipboard(huge));
    dialog.PasteInto(txtNewMsg);
    ASSERT_TRUE(dialog.WaitForText(txtNewMsg, huge, 10000));
    dialog.Click(cmdAdd);
    ASSERT_TRUE(WaitUntil([&] { return dialog.MessageCount() == 4; }, kActionTimeoutMs));
    EXPECT_EQ(dialog.Messages().back(), huge);
    SaveAndWaitClosed(dialog);

    const std::string text = SettingsText();
    EXPECT_EQ(IniMessages(text).size(), 4u);
    EXPECT_EQ(IniValue(text, "Messages", "M4"), huge);
    EXPECT_EQ(IniValue(text, "Timing", "IntervalMin"), "60") << "the rest of the file is intact";
    dialog = OpenByDoubleClick();
    ASSERT_EQ(dialog.MessageCount(), 4);
    EXPECT_EQ(dialog.Messages().back(), huge);
}
