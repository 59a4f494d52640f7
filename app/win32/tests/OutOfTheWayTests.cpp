#include "app/win32/frmMain.h"
#include "flash/win32/frmFlash.h"
#include "settings/Settings.h"
#include "tests/support/win32/Pump.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The system's answers, as the tests set them: Wine always accepts notifications and
// refuses every display affinity.
QUERY_USER_NOTIFICATION_STATE answer = QUNS_ACCEPTS_NOTIFICATIONS;
std::vector<DWORD> affinities;
BOOL granted = TRUE;

HRESULT WINAPI ScriptedAnswer(QUERY_USER_NOTIFICATION_STATE* state)
{
    *state = answer;
    return S_OK;
}

BOOL WINAPI RecordAffinity(HWND, DWORD affinity)
{
    affinities.push_back(affinity);
    return granted;
}

// Settings in place before the windows are made: one-second intervals, flashes that stay
// until hidden, and no hotkeys, whose refusal would stop the test at a warning box.
bool Prepare()
{
    gSettings = DefaultSettings();
    gSettings.IntervalMin = gSettings.IntervalMax = 1;
    gSettings.DurationMs = 10000;
    gSettings.StartKey = gSettings.StopKey = 0;
    affinities.clear();
    granted = TRUE;
    return true;
}

class OutOfTheWay : public ::testing::Test {
protected:
    void TearDown() override
    {
        form.reset();
        MSG quit;  // which the main form leaves behind as it goes
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    bool FlashShownWithin(DWORD ms) { return PumpUntil([&] { return IsWindowVisible(flash.Handle()) != 0; }, ms); }

    const bool prepared = Prepare();
    frmFlash flash{GetModuleHandleA(nullptr), true, &RecordAffinity};
    std::unique_ptr<frmMain> form =
        std::make_unique<frmMain>(GetModuleHandleA(nullptr), flash, TimerResolution(), &ScriptedAnswer);
};

}  // namespace

TEST_F(OutOfTheWay, ADueFlashWaitsWhileTheUserIsBusyButShowOneNowShowsAtOnce)
{
    answer = QUNS_PRESENTATION_MODE;
    form->StartFlashing();
    EXPECT_FALSE(FlashShownWithin(1600)) << "skipped while presenting";
    form->ShowRandomMessage();
    EXPECT_TRUE(FlashShownWithin(500)) << "asked for, so shown";
    flash.HideNow();
    answer = QUNS_ACCEPTS_NOTIFICATIONS;
    EXPECT_TRUE(FlashShownWithin(1600)) << "due again once the presentation is over";
    form->StopFlashing();
}

TEST_F(OutOfTheWay, TheFlashWindowAsksToBeLeftOutOfCapturesAtCreationAndAfterEverySave)
{
    EXPECT_EQ(affinities, std::vector<DWORD>{WDA_EXCLUDEFROMCAPTURE});
    gSettings.HideFromCapture = false;
    form->SettingsChanged();
    EXPECT_EQ(affinities.back(), static_cast<DWORD>(WDA_NONE));
    // A refusal leaves the window as it was: no fallback that would black it out.
    granted = FALSE;
    gSettings.HideFromCapture = true;
    form->SettingsChanged();
    EXPECT_EQ(affinities, (std::vector<DWORD>{WDA_EXCLUDEFROMCAPTURE, WDA_NONE, WDA_EXCLUDEFROMCAPTURE}));
    form->ShowRandomMessage();
    EXPECT_TRUE(FlashShownWithin(500));
}
