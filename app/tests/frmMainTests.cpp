#include "app/frmMain.h"

#include "app/WindowHook.h"
#include "app/tests/TestWindow.h"
#include "flash/frmFlash.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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

TEST_F(frmMainTest, LoadsHiddenWithTheHookAndTheIconInPlace)
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
}

TEST_F(frmMainTest, ExitClosesTheFlashWindowThenTheFormAndEndsTheMessageLoop)
{
    const HWND window = form->Handle();
    const HWND flashWindow = flash.Handle();
    form->StartFlashing();
    form->ExitApp();
    EXPECT_TRUE(AppExiting);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(flashWindow));
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
