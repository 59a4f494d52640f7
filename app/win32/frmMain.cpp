#include "app/win32/frmMain.h"

#include <utility>

#include "dialog/win32/frmSettings.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "platform/win32/Controls.h"
#include "platform/win32/ProgramIcon.h"
#include "platform/win32/QpcClock.h"
#include "settings/Settings.h"

#include <algorithm>

namespace {


enum Timer : UINT_PTR { tmrFlash = 1, tmrAction };
// Posted by the frame timer's thread when a moment within a frame has come.
constexpr UINT kFrameTimerMessage = WM_APP + 1;

frmMain* instance = nullptr;


}  // namespace

frmMain* MainForm()
{
    return instance;
}

frmMain::frmMain(HINSTANCE module, frmFlash& flash, MainFormCalls calls) : flash_(flash), calls_(calls)
{
    instance = this;
    const Class windowClass{.name = kMainWindowClass,
                            .icon = LoadProgramIcon(module, GetSystemMetrics(SM_CXICON), LR_SHARED),
                            .smallIcon = LoadProgramIcon(module, GetSystemMetrics(SM_CXSMICON), LR_SHARED)};
    Create(module, windowClass, 0, kMainWindowTitle, WS_OVERLAPPEDWINDOW,
           RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT});
    Form_Load();
}

frmMain::~frmMain()
{
    Destroy();
    instance = nullptr;
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case kFrameTimerMessage:
        scheduler_.FrameTimerTick();
        return 0;
    case WM_COPYDATA:
        return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMECHANGE:
        scheduler_.ClockChanged();
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC)
            scheduler_.ClockChanged();
        return TRUE;
    case WM_DPICHANGED:
        // The scale of the tray's monitor changed: its icon is shown at another size.
        LoadTrayImage();
        tray_.ChangeIcon(trayImage_.get());
        return 0;
    case WM_CLOSE:
        // Closed from outside (a task manager asking politely): go the way Exit goes, so the
        // other windows close first and know that the program is exiting.
        ExitApp();
        return 0;
    case WM_DESTROY:
        Form_Unload();
        return 0;
    }
    return Default(message, wParam, lParam);
}

void frmMain::Destroyed()
{
    // The main form is the last window to go; with it the program ends.
    PostQuitMessage(0);
}

void frmMain::Form_Load()
{
    TaskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    // The hooked window owns the hotkeys, so the hook comes before their registration.
    HookWindow(Handle());
    hook_.reset(Handle());
    frameTimer_ = std::make_unique<PreciseTimer>(Handle(), kFrameTimerMessage);
    AddTrayIcon();
    hotkeys_.reset(HookedWindow());
    const std::string report = RegisterHotkeys(HookedWindow());
    if (!report.empty())
        ShowWarning(nullptr, report);
    UpdateUI();
}

void frmMain::Form_Unload()
{
    StopTimers();
    hotkeys_.reset();
    tray_.Delete();
    hook_.reset();
    frameTimer_.reset();
}

void frmMain::ExitApp()
{
    if (AppExiting)
        return;
    AppExiting = true;
    StopTimers();
    CloseSettingsDialog();
    flash_.Close();
    Destroy();
}

HWND frmMain::HotkeyWindow() const
{
    return HookedWindow();
}

void frmMain::StopTimers()
{
    DisableFlashTimer();
    CancelFrameTimer();
    DisableActionTimer();
}

void frmMain::OnTimer(UINT_PTR timer)
{
    switch (timer) {
    case tmrFlash: scheduler_.FlashTimerTick(); break;
    case tmrAction: scheduler_.ActionTimerTick(); break;
    }
}

bool frmMain::IsActive() const
{
    return scheduler_.IsActive();
}

void frmMain::QueueAction(int32_t lAction)
{
    scheduler_.QueueAction(lAction);
}

void frmMain::StartFlashing()
{
    scheduler_.StartFlashing();
}

void frmMain::StopFlashing()
{
    scheduler_.StopFlashing();
}

void frmMain::ToggleFlashing()
{
    scheduler_.ToggleFlashing();
}

bool frmMain::OnCopyData(const COPYDATASTRUCT& data)
{
    if (data.dwData != CommandRecordTag || (data.cbData > 0 && !data.lpData))
        return false;
    const auto* bytes = static_cast<const unsigned char*>(data.lpData);
    std::optional<Command> command = DecodeCommand(std::span(bytes, data.cbData));
    if (!command)
        return false;
    QueueCommand(std::move(*command));
    return true;
}

void frmMain::QueueCommand(Command command)
{
    scheduler_.QueueCommand(std::move(command));
}

void frmMain::PauseFor(std::chrono::minutes length)
{
    scheduler_.PauseFor(length);
}

void frmMain::Resume()
{
    scheduler_.Resume();
}

void frmMain::SettingsChanged()
{
    flash_.KeepOutOfCaptures(gSettings.HideFromCapture);
    scheduler_.SettingsChanged();
}

void frmMain::ShowRandomMessage()
{
    scheduler_.ShowRandomMessage();
}

void frmMain::FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                          int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs)
{
    scheduler_.FlashCustom(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors,
                           lDurationMs);
}

FrameGrid frmMain::ReadFrameGrid()
{
    return ::ReadFrameGrid(calls_.frameGrid);
}

Nanoseconds frmMain::Now()
{
    return QpcNow();
}

std::chrono::sys_seconds frmMain::WallNow()
{
    return SystemWallNow();
}

const LocalZone& frmMain::Zone()
{
    return zone_;
}

void frmMain::EnableFlashTimer(Nanoseconds delay)
{
    // Rounded up, so that it does not fire before the moment.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(delay).count();
    SetTimer(Handle(), tmrFlash, static_cast<UINT>(std::clamp<int64_t>(ms, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM)),
             nullptr);
}

void frmMain::DisableFlashTimer()
{
    KillTimer(Handle(), tmrFlash);
}

void frmMain::SetFrameTimer(Nanoseconds at)
{
    if (frameTimer_)
        frameTimer_->At(at);
}

void frmMain::CancelFrameTimer()
{
    if (frameTimer_)
        frameTimer_->Cancel();
}

void frmMain::EnableActionTimer()
{
    SetTimer(Handle(), tmrAction, ActionDelayMs, nullptr);
}

void frmMain::DisableActionTimer()
{
    KillTimer(Handle(), tmrAction);
}

bool frmMain::PrepareText(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                          int32_t lOpacity, bool bAllMonitors)
{
    return flash_.PrepareText(std::move(sText), std::move(sFont), lSize, bBold, lColor, lOpacity, bAllMonitors);
}

void frmMain::ShowPrepared()
{
    flash_.ShowPrepared();
}

void frmMain::HideNow()
{
    flash_.HideNow();
}

std::optional<NotificationState> frmMain::QueryNotificationState()
{
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(calls_.queryNotificationState(&state)))
        return std::nullopt;
    return static_cast<NotificationState>(state);
}
