// Figures, not pass/fail: the cost of one show of the flash window and what 10,000 shows
// leave behind, and how long the settings dialog takes over 20,000 pasted lines.
#include "dialog/win32/frmSettings.h"
#include "flash/win32/frmFlash.h"
#include "flash/win32/tests/FlashResources.h"
#include "settings/Settings.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/TempAppData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

double MsOf(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Asked for nothing that matters here: no hotkeys are registered, nothing is flashed.
class QuietHost final : public SettingsHost {
public:
    HWND HotkeyWindow() const override { return nullptr; }
    FrameGrid ReadFrameGrid() override { return GridOfRefreshRate(60); }
    void UpdateUI() override {}
    void SettingsChanged() override {}
    void FlashCustom(std::string, std::string, int32_t, bool, int32_t, int32_t, bool, int32_t) override {}
};

void MeasureShows()
{
    frmFlash flash(GetModuleHandleA(nullptr));
    for (int i = 0; i < 100; ++i)  // the font cache and the allocator settle first
        ShowVaried(flash, i);
    const std::size_t objects = GdiObjectCount();
    const std::size_t memory = PrivateBytes();
    constexpr int kShows = 10000;
    std::vector<double> ms;
    for (int i = 0; i < kShows; ++i)
        ms.push_back(MsOf([&] { ShowVaried(flash, i); }));
    std::nth_element(ms.begin(), ms.begin() + kShows / 2, ms.end());
    std::printf("%d flashes drawn and shown: median %.3f ms; GDI objects %zu -> %zu; private bytes %zu -> %zu\n", kShows,
                ms[kShows / 2], objects, GdiObjectCount(), memory, PrivateBytes());
}

void MeasurePaste()
{
    const TempAppData appData;
    gSettings = DefaultSettings();
    gSettings.StartWithWindows = false;
    constexpr int kLines = 20000;
    std::string pasted;
    for (int i = 1; i <= kLines; ++i)
        pasted += "  Pasted message number " + std::to_string(i) + "\r\n";
    if (!PutOnClipboard(pasted)) {
        std::puts("the clipboard could not be had");
        return;
    }
    QuietHost host;
    HWND dialog = frmSettings::Create(GetModuleHandleA(nullptr), host);
    ShowWindow(dialog, SW_SHOW);
    const auto item = [&](SettingsControl id) { return GetDlgItem(dialog, id); };
    const double paste = MsOf([&] { SendMessageA(item(txtNewMsg), WM_PASTE, 0, 0); });
    const double add = MsOf([&] { SendMessageA(item(cmdAdd), BM_CLICK, 0, 0); });
    const double save = MsOf([&] { SendMessageA(item(cmdSave), BM_CLICK, 0, 0); });
    const double reopen = MsOf([&] { dialog = frmSettings::Create(GetModuleHandleA(nullptr), host); });
    std::printf("%d pasted lines: paste %.0f ms, Add %.0f ms, Save %.0f ms, reopen %.0f ms; %d entries shown again\n",
                kLines, paste, add, save, reopen, static_cast<int>(SendMessageA(item(lstMessages), LB_GETCOUNT, 0, 0)));
    CloseSettingsDialog();
}

}  // namespace

int main()
{
    MeasureShows();
    MeasurePaste();
}
