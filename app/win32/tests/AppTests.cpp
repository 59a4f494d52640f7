#include "app/win32/TrayMenu.h"
#include "app/win32/frmMain.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "platform/win32/Text.h"
#include "tests/support/win32/Pump.h"

#include <gtest/gtest.h>

// The system's answers, as the test sets them: Wine always accepts notifications and
// refuses every display affinity.
static QUERY_USER_NOTIFICATION_STATE answer = QUNS_PRESENTATION_MODE;
static std::vector<DWORD> affinities;
static BOOL granted = TRUE;

static HRESULT WINAPI ScriptedAnswer(QUERY_USER_NOTIFICATION_STATE* state) {
    *state = answer;
    return S_OK;
}

static BOOL WINAPI RecordAffinity(HWND, DWORD affinity) {
    affinities.push_back(affinity);
    return granted;
}

TEST(MainForm, LeavesTheBusyUserAndCapturesAloneKeepsItsTrayIconAndLeavesASecondExitToTheFirst) {
    // One-second intervals, flashes that stay until hidden, and no hotkeys to refuse at a warning box.
    gSettings = DefaultSettings();
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    std::tie(gSettings.DurationMs, gSettings.StartKey, gSettings.StopKey) = std::tuple(10000, 0, 0);
    auto flash = std::make_unique<frmFlash>(GetModuleHandleA(nullptr), true, &RecordAffinity);
    auto form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), *flash, TimerResolution(), &ScriptedAnswer);
    const auto shownWithin = [&](DWORD ms) { return PumpUntil([&] { return IsWindowVisible(flash->Handle()); }, ms); };
    form->StartFlashing();
    EXPECT_FALSE(shownWithin(1600)) << "due, but skipped while presenting";
    form->ShowRandomMessage();
    EXPECT_TRUE(shownWithin(500)) << "asked for, so shown";
    flash->HideNow();
    answer = QUNS_ACCEPTS_NOTIFICATIONS;
    EXPECT_TRUE(shownWithin(1600)) << "due again once the presentation is over";
    // Asked for at creation and after every save; a refusal leaves the window as it was, not blacked out.
    gSettings.HideFromCapture = false;
    form->SettingsChanged();
    granted = FALSE;
    gSettings.HideFromCapture = true;
    form->SettingsChanged();
    EXPECT_EQ(affinities, (std::vector<DWORD>{WDA_EXCLUDEFROMCAPTURE, WDA_NONE, WDA_EXCLUDEFROMCAPTURE}));
    // A shell that forgot the icon gets it again with the next tip.
    NOTIFYICONDATAA record = form->Tray().Record();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
    form->UpdateUI();
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &record));
    // As the first exit leaves it while it closes the other windows.
    AppExiting = true;
    form->ExitApp();
    AppExiting = false;
    EXPECT_TRUE(form->Handle() && flash->Handle());
    form.reset();
    MSG quit;  // which the main form leaves behind as it goes
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(TrayMenu, HoldsItsItemsWithSettingsInBoldAndTheCaptionsAndStatesItIsGiven) {
    TrayMenu menu;
    const HMENU popup = menu.Popup();
    // Each item as its caption, or "-" for a separator, with its states.
    const auto items = [&] {
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            wchar_t caption[64] = {};
            GetMenuStringW(popup, i, caption, 64, MF_BYPOSITION);
            const UINT state = GetMenuState(popup, i, MF_BYPOSITION);
            const char* bold = GetMenuDefaultItem(popup, TRUE, 0) == static_cast<UINT>(i) ? "(bold)" : "";
            items.push_back(state & MF_SEPARATOR ? "-" : Utf8(caption) + (state & MF_GRAYED ? "(grey)" : "") + bold);
        }
        return items;
    };
    using Items = std::vector<std::string>;
    EXPECT_EQ(items(), (Items{"&Start", "S&top", "Show one &now", "-", "S&ettings...(bold)", "-", "E&xit"}));
    // A dismissed menu gives 0 back, so no item may have that id.
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
        EXPECT_TRUE((GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) || GetMenuItemID(popup, i) != 0) << i;
    menu.Apply({"&Start\tCtrl+Alt+S", "S&top\t\xD0\xA4", false, true});
    EXPECT_EQ(items(), (Items{"&Start\tCtrl+Alt+S(grey)", "S&top\t\xD0\xA4", "Show one &now", "-", "S&ettings...(bold)",
                              "-", "E&xit"}));
    menu.Apply({"&Start", "S&top", true, false});
    EXPECT_EQ(items()[1], "S&top(grey)");
}
