#include "app/frmMain.h"

#include "app/WindowHook.h"
#include "app/tests/TestWindow.h"
#include "flash/frmFlash.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window)
{
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

bool OtherProgramCanTake(UINT mods, UINT key)
{
    TestWindow other;
    const bool taken = RegisterHotKey(other.get(), 1, mods, key);
    if (taken)
        UnregisterHotKey(other.get(), 1);
    return taken;
}

// The tray menu as it was seen while open: its items, and which one is the default.
struct SeenMenu {
    std::vector<std::string> captions;
    std::vector<bool> grayed;
    UINT defaultItem = 0;
    bool open = false;
};

SeenMenu seenMenu;

// Runs inside the menu's own message loop: reads the open menu, then dismisses it.
void CALLBACK ReadAndDismissMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
        seenMenu.captions.push_back(caption);
        seenMenu.grayed.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED);
    }
    seenMenu.defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
    seenMenu.open = true;
    EndMenu();
}

// The warning box as it was seen while open.
struct SeenBox {
    int count = 0;
    std::string text;
    bool iconAlreadyAdded = false;
};

SeenBox seenBox;

// Runs inside the box's own message loop: reads the box, then presses its OK button.
void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND box = FindWindowA("#32770", "Halcyra");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message text
    seenBox.text = text;
    seenBox.iconAlreadyAdded = MainForm() && MainForm()->Tray().Record().hWnd != nullptr;
    ++seenBox.count;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class frmMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        AppExiting = false;
        form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash);
    }
    void TearDown() override
    {
        DrainQuitMessage();
        AppExiting = false;
    }

    std::string Tip() const { return form->Tray().Record().szTip; }

    frmFlash flash{GetModuleHandleA(nullptr)};
    std::unique_ptr<frmMain> form;
};

}  // namespace

TEST_F(frmMainTest, LoadsHiddenWithTheHookTheIconAndTheHotkeysInPlace)
{
    const HWND window = form->Handle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(MainForm(), form.get());
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(ClassOf(window), "HalcyraMain");
    EXPECT_EQ(TitleOf(window), "Halcyra");
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &WindowProc);
    EXPECT_EQ(HookedWindow(), window);
    EXPECT_EQ(TaskbarCreatedMessage, RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_EQ(form->Tray().Record().hWnd, window);
    EXPECT_NE(form->Tray().Record().hIcon, nullptr);
    EXPECT_EQ(Tip(), "Halcyra - stopped");
    EXPECT_FALSE(form->IsActive());
    EXPECT_FALSE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_FALSE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'X'));
}

TEST_F(frmMainTest, HotkeyMessagesStartStopAndToggleAtOnce)
{
    const HWND window = form->Handle();
    EXPECT_EQ(SendMessageA(window, WM_HOTKEY, 1, 0), 0);
    EXPECT_TRUE(form->IsActive());
    EXPECT_EQ(Tip(), "Halcyra - running");
    EXPECT_EQ(SendMessageA(window, WM_HOTKEY, 2, 0), 0);
    EXPECT_FALSE(form->IsActive());
    EXPECT_EQ(Tip(), "Halcyra - stopped");
    SendMessageA(window, WM_HOTKEY, 2, 0);
    EXPECT_FALSE(form->IsActive());
    SendMessageA(window, WM_HOTKEY, 3, 0);
    EXPECT_TRUE(form->IsActive());
    SendMessageA(window, WM_HOTKEY, 3, 0);
    EXPECT_FALSE(form->IsActive());
}

TEST_F(frmMainTest, ARightClickOpensTheMenuOnlyAfterTheNotificationReturned)
{
    form->StartFlashing();
    seenMenu = {};
    SetTimer(nullptr, 0, 5, &ReadAndDismissMenu);
    EXPECT_EQ(SendMessageA(form->Handle(), 0x464, 1, WM_RBUTTONUP), 0);
    EXPECT_FALSE(seenMenu.open);
    EXPECT_TRUE(PumpUntil([] { return seenMenu.open; }, 3000));

    EXPECT_EQ(seenMenu.captions, (std::vector<std::string>{"&Start\tCtrl+Alt+S", "S&top\tCtrl+Alt+X",
                                                            "Show one &now", "", "S&ettings...", "",
                                                            "E&xit"}));
    ASSERT_EQ(seenMenu.grayed.size(), 7u);
    EXPECT_TRUE(seenMenu.grayed[0]);
    EXPECT_FALSE(seenMenu.grayed[1]);
    EXPECT_EQ(seenMenu.defaultItem, static_cast<UINT>(mnuSettings));
    // Dismissed without a choice: nothing changed.
    EXPECT_TRUE(form->IsActive());
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(frmMainTest, ATickingScheduleFlashesAndHidesAgain)
{
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    gSettings.DurationMs = 200;
    form->StartFlashing();
    EXPECT_FALSE(IsWindowVisible(flash.Handle()));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(flash.Handle()); }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(flash.Handle()); }, 2000));
    EXPECT_TRUE(form->IsActive());
}

TEST_F(frmMainTest, ExitClosesEverythingOnceAndReleasesTheHotkeys)
{
    const HWND window = form->Handle();
    const HWND flashWindow = flash.Handle();
    form->StartFlashing();
    form->ExitApp();
    EXPECT_TRUE(AppExiting);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(flashWindow));
    EXPECT_TRUE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_TRUE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'X'));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(frmMainTest, ExitDoesNothingOnceShutdownHasBegun)
{
    AppExiting = true;
    form->ExitApp();
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_TRUE(IsWindow(flash.Handle()));
}

TEST_F(frmMainTest, ClosingTheWindowFromOutsideShutsDownTheSameWay)
{
    const HWND flashWindow = flash.Handle();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(AppExiting);
    EXPECT_EQ(form->Handle(), nullptr);
    EXPECT_FALSE(IsWindow(flashWindow));
    EXPECT_TRUE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'S'));
}

TEST_F(frmMainTest, AHotkeyHeldElsewhereIsNamedInOneBoxWhileTheIconIsAlreadyThere)
{
    form.reset();  // it holds the hotkeys
    DrainQuitMessage();
    TestWindow other;
    ASSERT_TRUE(RegisterHotKey(other.get(), 1, MOD_CONTROL | MOD_ALT, 'X'));
    seenBox = {};
    SetTimer(nullptr, 0, 20, &ReadAndCloseBox);
    form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash);
    UnregisterHotKey(other.get(), 1);

    EXPECT_EQ(seenBox.count, 1);
    EXPECT_EQ(seenBox.text, "These hotkeys could not be registered (probably already used by another program):"
                            "\r\n\r\n  Ctrl+Alt+X  (stop)\r\n\r\nChoose different ones in Settings.");
    EXPECT_TRUE(seenBox.iconAlreadyAdded);
    EXPECT_EQ(Tip(), "Halcyra - stopped");
    EXPECT_FALSE(OtherProgramCanTake(MOD_CONTROL | MOD_ALT, 'S'));
}
