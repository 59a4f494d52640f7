#include "tests/e2e/driver/E2eTest.h"

#include "dialog/SettingsControls.h"

using Commands = E2eTest;

TEST_F(Commands, ASecondLaunchHandsItsCommandToTheRunningOneAndEndsAtOnceAndAPortableCopyKeepsToItsFolder)
{
    WriteBytes(settingsPath, PredictableSettings(300, false));
    Launch();
    for (const auto& [command, tip] : {std::pair{"/start", "Halcyra - running"}, {"-PAUSE 30", "Halcyra - paused until "},
                                       {"--resume", "Halcyra - running"}, {"/stop", "Halcyra - stopped"}}) {
        EXPECT_EQ(Run(command), 0u) << command;
        EXPECT_TRUE(WaitForHalcyraIcon(kActionTimeoutMs, tip)) << command;
    }
    // Not understood: the list in a box, and exit code 2.
    const UniqueKernelHandle refused = Start(appData, "/frobnicate");
    HWND box = nullptr;
    const auto shown = [&] {
        const std::vector<HWND> boxes = TopLevelWindowsOf(GetProcessId(refused.get()), "#32770");
        return !boxes.empty() && IsWindowVisible(box = boxes[0]);
    };
    ASSERT_TRUE(PumpUntil(shown, kStartTimeoutMs));
    EXPECT_TRUE(TextOf(GetDlgItem(box, 0xFFFF)).starts_with("Halcyra did not understand \"/frobnicate\"."));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = STILL_ACTIVE;
    ASSERT_EQ(WaitForSingleObject(refused.get(), kActionTimeoutMs), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(refused.get(), &code) && code == 2) << code;
    EXPECT_EQ(Run("/exit"), 0u);
    EXPECT_EQ(WaitForSingleObject(process.get(), kActionTimeoutMs), WAIT_OBJECT_0);

    // A copy with settings.ini beside it, started with a command while none runs: it opens its
    // settings, and Save writes beside the copy, and nowhere else.
    const std::string stick = root + "\\Stick", elsewhere = root + "\\Elsewhere";
    WriteBytes(stick + "\\settings.ini", PredictableSettings(300, false));
    std::filesystem::copy_file(exe, stick + "\\halcyra.exe");
    std::filesystem::create_directories(elsewhere);
    process = Start(elsewhere, "/settings", stick + "\\halcyra.exe");
    HWND dialog = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (dialog = Window(kSettingsWindowClass)) && dialog == GetForegroundWindow(); },
                          kStartTimeoutMs));
    // The window manager may still be placing the new window and moving the X focus to it;
    // a click before it has settled can miss the button.
    WaitForKeyboard(dialog, kActionTimeoutMs);
    ClickAt(CentreOf(GetDlgItem(dialog, cmdSave)));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }, kStartTimeoutMs)) << "Save did not close the dialog";
    EXPECT_NE(ReadBytes(stick + "\\settings.ini").find("[Schedule]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere)) << "nothing under the application-data folder";
    EXPECT_EQ(RunValue("Halcyra"), halcyraRun_) << "no Run entry";
}
