#include "app/win32/TrayMenu.h"
#include "app/win32/frmMain.h"
#include "flash/win32/frmFlash.h"
#include "hotkeys/HotkeyPlan.h"
#include "platform/AppExiting.h"
#include "platform/win32/Handles.h"
#include "platform/win32/QpcClock.h"
#include "platform/win32/Text.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/ScriptedDpi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

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

TEST(MainForm, StartsOnItsHotkeyLeavesTheBusyUserAndCapturesAloneKeepsItsTrayIconAndLeavesASecondExitToTheFirst) {
    // One-second intervals, flashes that stay until hidden, and no hotkeys to refuse at a warning box.
    gSettings = DefaultSettings();
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    std::tie(gSettings.DurationMs, gSettings.StartKey, gSettings.StopKey) = std::tuple(10000, 0, 0);
    FlashCalls flashCalls;
    flashCalls.setAffinity = &RecordAffinity;
    auto flash = std::make_unique<frmFlash>(GetModuleHandleA(nullptr), true, flashCalls);
    MainFormCalls calls;
    calls.queryNotificationState = &ScriptedAnswer;
    auto form = std::make_unique<frmMain>(GetModuleHandleA(nullptr), *flash, calls);
    const auto shownWithin = [&](DWORD ms) { return PumpUntil([&] { return IsWindowVisible(flash->Handle()); }, ms); };
    // As the system delivers the start hotkey, which is left unregistered here.
    const DWORD started = GetTickCount();
    SendMessageW(form->Handle(), WM_HOTKEY, HotkeyStartId, 0);
    EXPECT_FALSE(shownWithin(1600)) << "due, but skipped while presenting";
    form->ShowRandomMessage();
    EXPECT_TRUE(shownWithin(500)) << "asked for, so shown";
    flash->HideNow();
    answer = QUNS_ACCEPTS_NOTIFICATIONS;
    EXPECT_TRUE(shownWithin(1600)) << "due again once the presentation is over";
    EXPECT_NEAR(GetTickCount() - started, 2000, 100) << "a second after the skipped one, a second after the start";
    // Asked for at creation and after every save; a refusal leaves the window as it was, not blacked out.
    gSettings.HideFromCapture = false;
    form->SettingsChanged();
    granted = FALSE;
    gSettings.HideFromCapture = true;
    form->SettingsChanged();
    EXPECT_EQ(affinities, (std::vector<DWORD>{WDA_EXCLUDEFROMCAPTURE, WDA_NONE, WDA_EXCLUDEFROMCAPTURE}));
    // A later launch's record is taken, and performed once the message that brought it has
    // returned; a record of another kind is refused.
    const auto hand = [&](uintptr_t tag, std::vector<unsigned char> record) {
        COPYDATASTRUCT data{tag, static_cast<DWORD>(record.size()), record.data()};
        return SendMessageW(form->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    };
    const std::vector<unsigned char> stop = EncodeCommand({CommandKind::Stop});
    EXPECT_EQ(hand(CommandRecordTag + 1, stop), FALSE);
    EXPECT_EQ(std::pair(hand(CommandRecordTag, stop), form->IsActive()), std::pair(LRESULT{TRUE}, true));
    EXPECT_TRUE(PumpUntil([&] { return !form->IsActive(); }));
    // A shell that forgot the icon gets it again with the next tip.
    NOTIFYICONDATAW record = form->Tray().Record();
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
    form->UpdateUI();
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &record));
    // As the first exit leaves it while it closes the other windows.
    AppExiting = true;
    form->ExitApp();
    AppExiting = false;
    EXPECT_TRUE(form->Handle() && flash->Handle());
    form.reset();
    DiscardQuit();
}

// The desktop's composition timing as the test sets it, in counts of the performance counter.
static HRESULT timingAnswer = S_OK;
static LONGLONG timingPeriod = 0, timingBlank = 0;
static DWORD displayRate = 0;

static HRESULT WINAPI ScriptedTiming(HWND window, DWM_TIMING_INFO* info) {
    if (window || info->cbSize != sizeof *info)
        return E_INVALIDARG;
    std::tie(info->qpcRefreshPeriod, info->qpcVBlank) = std::pair(timingPeriod, timingBlank);
    return timingAnswer;
}

static BOOL WINAPI ScriptedDisplay(LPCWSTR, DWORD, DEVMODEW* mode) {
    mode->dmDisplayFrequency = displayRate;
    return TRUE;
}

// When the flash window was last asked to show and to hide, on the performance counter's clock.
static HWND watched;
static nanoseconds shownAt, hiddenAt;

TEST(MainForm, ShowsAFlashMidFrameForWholeFramesOrAtOnceWithoutAPhaseAndItsTrayIconForTheTraysDpi) {
    gSettings = DefaultSettings();
    gSettings.StartKey = gSettings.StopKey = 0;
    scriptedDpi = 144;  // the tray's monitor's
    frmFlash flash(GetModuleHandleA(nullptr));
    frmMain form(GetModuleHandleA(nullptr), flash,
                 MainFormCalls{.frameGrid = {&ScriptedTiming, &ScriptedDisplay}, .monitorDpi = &ScriptedMonitorDpi});
    const auto trayIconWidth = [&] {
        ICONINFO info{};
        GetIconInfo(form.Tray().Record().hIcon, &info);
        const UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        return bitmap.bmWidth;
    };
    EXPECT_EQ(trayIconWidth(), 24) << "16 pixels at 150 %";
    scriptedDpi = 192;
    RECT unchanged{};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&unchanged));
    EXPECT_EQ(trayIconWidth(), 32) << "drawn again after the scale changed";
    watched = flash.Handle();
    const HOOKPROC hook = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->hwnd == watched && sent->message == WM_WINDOWPOSCHANGING) {
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags;
            if (flags & SWP_SHOWWINDOW)
                shownAt = QpcNow();
            if (flags & SWP_HIDEWINDOW)
                hiddenAt = QpcNow();
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK installed = SetWindowsHookExA(WH_CALLWNDPROC, hook, nullptr, GetCurrentThreadId());
    LARGE_INTEGER perSecond, now;
    QueryPerformanceFrequency(&perSecond);
    const nanoseconds p = milliseconds(20);  // 50 Hz: the composition's, else the display's
    std::tie(timingPeriod, displayRate) = std::pair(perSecond.QuadPart / 50, 50);
    // Flashes for 50 ms, 2.5 frames: 3, and says which rule of the frames it broke, if any.
    const auto brokenRule = [&](bool phased) -> std::string {
        QueryPerformanceCounter(&now);
        timingBlank = now.QuadPart - timingPeriod / 4;  // the last blank a quarter frame ago
        timingAnswer = phased ? S_OK : E_FAIL;
        const nanoseconds asked = QpcNow();
        form.FlashCustom("Frames", "Arial", 30, true, 0xFFFFFF, 255, false, 50);
        EXPECT_TRUE(PumpUntil([&] { return hiddenAt > asked && !IsWindowVisible(watched); }, 1000));
        // With a phase, shown and hidden near the middle of their frames.
        for (const nanoseconds moment : {shownAt, hiddenAt}) {
            const nanoseconds intoFrame = (moment - FromQpc(timingBlank)) % p;
            if (phased && (intoFrame < p / 2 - std::chrono::microseconds(500) || intoFrame > p / 2 + milliseconds(5)))
                return (moment == shownAt ? "shown " : "hidden ") + std::to_string(intoFrame.count()) + " ns into its frame";
        }
        // Without one, at the display's rate, and shown at once, as soon as it is drawn.
        if (!phased && shownAt - asked >= p / 2)
            return "not shown at once";
        // Three whole frames apart: within half a frame of it, or of the timer's slack.
        const double offMs = std::chrono::duration<double, std::milli>(hiddenAt - shownAt - 3 * p).count();
        return std::abs(offMs) < (phased ? 10 : 3) ? "" : "hidden " + std::to_string(offMs) + " ms off three frames";
    };
    // A timer wakes late now and then on a loaded machine; a rule that the program breaks, it
    // breaks every time.
    for (const bool phased : {true, false}) {
        std::string broken = brokenRule(phased);
        for (int retry = 0; retry < 2 && !broken.empty(); ++retry)
            broken = brokenRule(phased);
        EXPECT_EQ(broken, "") << (phased ? "with" : "without") << " a phase";
    }
    UnhookWindowsHookEx(installed);
    DestroyWindow(form.Handle());
    DiscardQuit();
}

TEST(TrayMenu, HoldsItsItemsWithSettingsInBoldPauseWithItsMenuOrResumeAndTheCaptionsAndStatesItIsGiven) {
    TrayMenu menu;
    const HMENU popup = menu.Popup();
    // Each item as its caption, or "-" for a separator, with its states.
    const auto items = [&](HMENU of) {
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(of); ++i) {
            wchar_t caption[64] = {};
            GetMenuStringW(of, i, caption, 64, MF_BYPOSITION);
            const UINT state = GetMenuState(of, i, MF_BYPOSITION);
            const char* bold = GetMenuDefaultItem(of, TRUE, 0) == static_cast<UINT>(i) ? "(bold)" : "";
            items.push_back(state & MF_SEPARATOR ? "-" : Utf8(caption) + (state & MF_GRAYED ? "(grey)" : "") + bold);
        }
        return items;
    };
    using Items = std::vector<std::string>;
    EXPECT_EQ(items(popup),
              (Items{"&Start", "S&top", "&Pause", "Show one &now", "-", "S&ettings...(bold)", "-", "E&xit"}));
    EXPECT_EQ(items(GetSubMenu(popup, 2)), (Items{"For &30 minutes", "For &1 hour", "For &2 hours", "Until &tomorrow"}));
    // A dismissed menu gives 0 back, so no item may have that id.
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
        EXPECT_TRUE((GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) || GetMenuItemID(popup, i) != 0) << i;
    menu.Apply({"&Start\tCtrl+Alt+S", "S&top\t\xD0\xA4", false, true, true, true});
    EXPECT_EQ(items(popup), (Items{"&Start\tCtrl+Alt+S(grey)", "S&top\t\xD0\xA4", "&Resume", "Show one &now", "-",
                                   "S&ettings...(bold)", "-", "E&xit"}));
    EXPECT_EQ(GetSubMenu(popup, 2), nullptr);
    menu.Apply({"&Start", "S&top", true, false, false, false});
    const Items stopped = items(popup);
    EXPECT_EQ(Items(stopped.begin() + 1, stopped.begin() + 3), (Items{"S&top(grey)", "&Pause(grey)"}));
}
