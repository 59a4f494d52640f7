#include "dialog/win32/frmSettings.h"

#include "app/win32/frmMain.h"
#include "dialog/OpacityLabel.h"
#include "dialog/SettingsLayout.h"
#include "flash/win32/frmFlash.h"
#include "hotkeys/win32/modHotkey.h"
#include "platform/AppExiting.h"
#include "platform/win32/Controls.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/RunKey.h"
#include "tests/support/win32/TempAppData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using Messages = std::vector<std::string>;
using Boxes = std::vector<std::pair<std::string, std::string>>;  // title and text
// FlashCustom's arguments, in its order.
using Flash = std::tuple<std::string, std::string, int32_t, bool, int32_t, int32_t, bool, int32_t>;

// The system colour chooser's red, green and blue boxes, its Add to Custom Colours button
// and its two rows of custom colours.
enum ChooserItem { kRedBox = 706, kGreenBox, kBlueBox, kAddCustom = 712, kCustomColors = 721 };

// Stands in for the main form and writes down what the dialog asks of it.
class RecordingHost final : public SettingsHost {
public:
    HWND HotkeyWindow() const override { return window; }
    void UpdateUI() override { ++updates; }
    void SettingsChanged() override { ++changes; }
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor,
                     int32_t lOpacity, bool bAllMonitors, int32_t lDurationMs) override
    {
        flashes.emplace_back(sText, sFont, lSize, bBold, lColor, lOpacity, bAllMonitors, lDurationMs);
    }

    const HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    int updates = 0;
    int changes = 0;
    std::vector<Flash> flashes;
};

// Runs action and hands each dialog box of this thread (a message box, the colour chooser)
// that becomes active meanwhile to respond, once; returns how many there were.
std::size_t Answering(const std::function<void()>& action, const std::function<void(HWND)>& respond)
{
    static std::vector<HWND> seen;
    static const std::function<void(HWND)>* answer;
    seen.clear();
    answer = &respond;
    const HOOKPROC hook = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto window = reinterpret_cast<HWND>(wParam);
        char kind[16] = {};
        if (code == HCBT_ACTIVATE && GetClassNameA(window, kind, sizeof kind) && std::string(kind) == "#32770" &&
            std::find(seen.begin(), seen.end(), window) == seen.end()) {
            seen.push_back(window);
            (*answer)(window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK installed = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(installed);
    return seen.size();
}

// The message boxes that action brings up, each dismissed with OK.
Boxes MessageBoxes(const std::function<void()>& action)
{
    Boxes boxes;
    Answering(action, [&](HWND box) {
        boxes.emplace_back(TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    return boxes;
}

void SetRgb(HWND chooser, COLORREF colour)
{
    for (const auto& [box, value] : {std::pair{kRedBox, GetRValue(colour)}, {kGreenBox, GetGValue(colour)},
                                     {kBlueBox, GetBValue(colour)}})
        SetDlgItemInt(chooser, box, value, FALSE);
}

// The settings dialog over a recording host, the settings file in a fresh folder.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettings = DefaultSettings();
        // A save would otherwise enter this test exe in the Run key that the end-to-end
        // tests read from the same Wine prefix.
        gSettings.StartWithWindows = false;
        AppExiting = false;
    }
    void TearDown() override
    {
        gSettings.StartKey = gSettings.StopKey = 0;  // no hotkey warning to block the close
        CloseSettingsDialog();
        UnregisterHotkeys(host.window);
        DestroyWindow(host.window);
        AppExiting = false;
    }

    // Opens the dialog the way the tray does, and waits until the window manager has let it
    // keep the focus for a moment.
    void Open()
    {
        dialog = frmSettings::Create(GetModuleHandleA(nullptr), host);
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        DWORD since = GetTickCount();
        PumpUntil([&] {
            if (GetForegroundWindow() != dialog || GetFocus() != Item(lstMessages))
                since = GetTickCount();
            return GetTickCount() - since > 200;
        });
    }
    HWND Item(SettingsControl id) const { return GetDlgItem(dialog, id); }
    std::string Text(SettingsControl id) const { return TextOf(Item(id)); }
    void Type(std::initializer_list<std::pair<SettingsControl, std::string>> boxes) const
    {
        for (const auto& [id, text] : boxes)
            SetText(Item(id), text);
    }
    void Click(SettingsControl id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void Press(SettingsControl id, const std::vector<WORD>& chord) const
    {
        SetFocus(Item(id));
        PressKeys(dialog, chord);
    }
    void Scroll(int request) const { SendMessageA(dialog, WM_HSCROLL, request, (LPARAM)Item(hsbOpacity)); }
    void ChooseFont(const char* name) const { SendMessageA(Item(cboFont), CB_SELECTSTRING, -1, (LPARAM)name); }
    // Selects an entry (-1: none) and tells the dialog as the list would.
    void Select(int entry) const
    {
        SendMessageA(Item(lstMessages), LB_SETCURSEL, entry, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(lstMessages, LBN_SELCHANGE), (LPARAM)Item(lstMessages));
    }
    Messages Listed() const
    {
        Messages entries(SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i].resize(SendMessageA(Item(lstMessages), LB_GETTEXTLEN, i, 0));
            SendMessageA(Item(lstMessages), LB_GETTEXT, i, (LPARAM)entries[i].data());
        }
        return entries;
    }

    TempAppData appData;
    RecordingHost host;
    HWND dialog = nullptr;
};

}  // namespace

TEST_F(SettingsDialogTest, EveryControlOfTheLayoutStandsWhereItSaysAndTabVisitsTheFocusableOnesInOrder)
{
    Open();
    // Window classes by ControlKind, in the enum's order.
    const char* const classes[] = {"Button", "ListBox", "Edit",   "Edit",     "Edit",   "Button",
                                   "Static", "Static",  "Button", "ComboBox", "Button", "ScrollBar"};
    // x, y, width and height relative to the group box, or to the client area.
    const auto placed = [&](SettingsControl id, std::optional<SettingsControl> group) {
        RECT r, origin{};
        GetWindowRect(Item(id), &r);
        if (group)
            GetWindowRect(Item(*group), &origin);
        else
            MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&origin), 1);
        return std::array{r.left - origin.left, r.top - origin.top, r.right - r.left, r.bottom - r.top};
    };
    std::vector<SettingsControl> tabStops;
    for (const auto& control : SettingsLayout()) {
        SCOPED_TRACE(control.id);
        char kind[16] = {};
        ASSERT_TRUE(GetClassNameA(Item(control.id), kind, sizeof kind));
        EXPECT_STREQ(kind, classes[static_cast<int>(control.kind)]);
        if (*control.text && control.id != lblOpacity) {  // which shows the record's opacity
            EXPECT_EQ(Text(control.id), control.text);
        }
        const ControlRect& p = control.position;
        EXPECT_EQ(placed(control.id, control.group), (std::array<LONG, 4>{p.x, p.y, p.width, p.height}));
        if (control.kind != ControlKind::GroupBox && control.kind != ControlKind::Label &&
            control.kind != ControlKind::WrappingLabel)
            tabStops.push_back(control.id);
    }
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(601L, 512L));
    EXPECT_EQ(TextOf(dialog), "Halcyra - Settings");
    EXPECT_EQ(placed(fraTiming, std::nullopt), (std::array<LONG, 4>{304, 8, 289, 89}));
    EXPECT_EQ(placed(txtIntMin, fraTiming), (std::array<LONG, 4>{128, 20, 49, 21}));
    EXPECT_EQ(placed(fraGeneral, std::nullopt), (std::array<LONG, 4>{304, 376, 289, 92}));
    EXPECT_EQ(placed(chkHideCapture, fraGeneral), (std::array<LONG, 4>{8, 70, 273, 17}));
    EXPECT_EQ(placed(cmdSave, std::nullopt), (std::array<LONG, 4>{400, 476, 89, 28}));

    tabStops.push_back(lstMessages);  // and round to the first again
    std::vector<SettingsControl> visited;
    for (std::size_t i = 0; i < tabStops.size(); ++i, PressKeys(dialog, {VK_TAB}))
        visited.push_back(static_cast<SettingsControl>(GetDlgCtrlID(GetFocus())));
    EXPECT_EQ(visited, tabStops);
}

TEST_F(SettingsDialogTest, ShowsEveryFieldOfTheRecordAndSaveTakesEachControlBackIntoItsOwnThenNamesAHeldHotkey)
{
    gSettings = {60,    90,   250, "Liberation Serif", 30, 40, false, 0x00FFFF, true, 128, false,
                 false, true, false, false, MOD_CONTROL | MOD_SHIFT, 'A', MOD_ALT, VK_F5, {"First", "Second"}};
    Open();
    const std::pair<SettingsControl, const char*> shown[] = {
        {txtIntMin, "60"},  {txtIntMax, "90"},   {txtDuration, "250"}, {txtSizeMin, "30"},
        {txtSizeMax, "40"}, {cboFont, "Liberation Serif"}, {lblOpacity, "50%"},
        {txtHkStart, "Ctrl+Shift+A"}, {txtHkStop, "Alt+F5"}, {txtNewMsg, ""}};
    for (const auto& [id, text] : shown)
        EXPECT_EQ(Text(id), text) << id;
    const SettingsControl checks[] = {chkBold,         chkRandomColor, chkAllMonitors, chkStartWindows,
                                      chkStartActive,  chkPauseBusy,   chkHideCapture};
    for (const SettingsControl id : checks)
        EXPECT_EQ(IsChecked(Item(id)), id == chkRandomColor || id == chkStartActive) << id;
    EXPECT_EQ(Listed(), gSettings.Messages);

    Type({{txtIntMin, "1.4"}, {txtIntMax, "3.5"}, {txtDuration, "300"}, {txtSizeMin, "25"}, {txtSizeMax, "35"},
          {txtNewMsg, "Third"}});
    Click(cmdAdd);
    ChooseFont("Liberation Mono");
    for (const SettingsControl id : checks)
        Click(id);
    Scroll(SB_PAGERIGHT);
    Click(cmdClrStart);
    Press(txtHkStop, {VK_CONTROL, VK_MENU, 'Q'});
    Answering([&] { Click(picColor); }, [](HWND chooser) {
        SetRgb(chooser, RGB(10, 20, 30));
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    });
    // Held elsewhere, the new stop hotkey is named once as the dialog closes, after the save.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB001, MOD_CONTROL | MOD_ALT, 'Q'));
    const std::optional<std::string> run[] = {RunValue("Halcyra"), RunValue("Brindlewick")};
    const Boxes boxes = MessageBoxes([&] { Click(cmdSave); });
    UnregisterHotKey(nullptr, 0xB001);
    EXPECT_EQ(RunValue("Halcyra"), '"' + ExePath() + '"');
    // The end-to-end tests that read the Run key next must not find this test exe there.
    SetRunValue("Halcyra", run[0]);
    SetRunValue("Brindlewick", run[1]);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Halcyra");
    EXPECT_NE(boxes[0].second.find("  Ctrl+Alt+Q  (stop)\r\n"), std::string::npos) << boxes[0].second;
    EXPECT_NE(ReadBytes(appData.OurFile()), "<missing>");
    EXPECT_FALSE(IsWindow(dialog));
    // The typed numbers rounded half to even.
    const Settings expected{1,    4,     300, "Liberation Mono", 25, 35, true, RGB(10, 20, 30), false, 144, true,
                            true, false, true, true, 0,   0, MOD_CONTROL | MOD_ALT, 'Q', {"First", "Second", "Third"}};
    EXPECT_EQ(gSettings, expected);
    EXPECT_EQ(host.changes, 1);
}

TEST_F(SettingsDialogTest, ARefusalNamesItsBoxFocusesItAndStoresNothing)
{
    const Settings before = gSettings;
    Open();
    struct Refusal {
        SettingsControl box;
        std::string typed;
        std::string message;
        bool wholeText;  // selected; else the selection is left as it was
    };
    const Refusal refusals[] = {
        {txtDuration, "10001", "Display time must be a number between 10 and 10000.", true},
        {txtSizeMax, "20", "Maximum font size must be greater than or equal to the minimum.", false},
    };
    for (const auto& [box, typed, message, wholeText] : refusals) {
        const std::string valid = Text(box);
        Type({{box, typed}});
        SendMessageA(Item(box), EM_SETSEL, 1, 2);
        EXPECT_EQ(MessageBoxes([&] { Click(cmdSave); }), (Boxes{{"Halcyra", message}}));
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Item(box); })) << message;
        const LRESULT selection = SendMessageA(Item(box), EM_GETSEL, 0, 0);
        const std::size_t start = wholeText ? 0 : 1, end = wholeText ? typed.size() : 2;
        EXPECT_EQ((std::pair<std::size_t, std::size_t>(LOWORD(selection), HIWORD(selection))), std::pair(start, end));
        Type({{box, valid}});
    }
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(gSettings, before);
    EXPECT_EQ(host.changes, 0);
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, ExitWhileARefusalIsShownClosesEverything)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    frmMain form(GetModuleHandleA(nullptr), flash, TimerResolution());
    form.ShowSettings();
    dialog = SettingsDialog();
    Type({{txtIntMin, ""}});
    const auto closeFromOutside = [&](HWND) { PostMessageA(form.Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(Answering([&] { Click(cmdSave); }, closeFromOutside), 1u);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(flash.Handle(), nullptr);
    MSG quit;  // which the destroyed main form leaves behind
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST_F(SettingsDialogTest, TheMessageEditorAddsPastedAndTypedLinesUpdatesAndRemoves)
{
    Open();
    Messages expected = gSettings.Messages;
    ASSERT_TRUE(PutOnClipboard("You are calm\r\n\r\n  Breathe  \r\n"));
    SendMessageA(Item(txtNewMsg), WM_PASTE, 0, 0);
    Click(cmdAdd);
    expected.insert(expected.end(), {"You are calm", "Breathe"});
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(Text(txtNewMsg), "");
    // Ctrl+Enter, with Shift or without, adds and leaves no line break behind; Enter alone
    // starts a new line.
    const std::pair<std::vector<WORD>, bool> enters[] = {
        {{VK_CONTROL, VK_RETURN}, true}, {{VK_CONTROL, VK_SHIFT, VK_RETURN}, true}, {{VK_RETURN}, false}};
    for (const auto& [chord, adds] : enters) {
        Type({{txtNewMsg, "x\r\n  y  "}});
        SendMessageA(Item(txtNewMsg), EM_SETSEL, 99, 99);
        Press(txtNewMsg, chord);
        if (adds)
            expected.insert(expected.end(), {"x", "y"});
        EXPECT_EQ(Listed(), expected) << chord.size();
        EXPECT_EQ(Text(txtNewMsg), adds ? "" : "x\r\n  y  \r\n") << chord.size();
    }
    Select(1);
    EXPECT_EQ(Text(txtNewMsg), expected[1]);
    Type({{txtNewMsg, "  new  "}});
    Click(cmdUpdate);
    expected[1] = "new";
    EXPECT_EQ(Listed(), expected);
    Select(2);
    Click(cmdRemove);
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(txtNewMsg), expected[2]);
    // The Delete key removes the selected entry in the list, and only edits in the text box.
    Press(lstMessages, {VK_DELETE});
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(Text(txtNewMsg), expected[2]);
    SendMessageA(Item(txtNewMsg), EM_SETSEL, 0, 0);
    Press(txtNewMsg, {VK_DELETE});
    EXPECT_EQ(Text(txtNewMsg), expected[2].substr(1));
    EXPECT_EQ(Listed(), expected);
}

TEST_F(SettingsDialogTest, AListEmptiedByRemovePreviewsItsPlaceholderAndIsSavedWithoutMessages)
{
    gSettings.Messages = {"only"};
    Open();
    Select(0);
    EXPECT_EQ(Text(txtNewMsg), "only");
    Click(cmdRemove);
    EXPECT_EQ(Text(txtNewMsg), "");
    const ScriptedRandom draws{0.f};  // the size only
    Click(cmdPreview);
    ASSERT_EQ(host.flashes.size(), 1u);
    EXPECT_EQ(std::get<0>(host.flashes[0]), "Preview message");
    EXPECT_EQ(MessageBoxes([&] { Click(cmdSave); }), Boxes{});
    const std::string file = ReadBytes(appData.OurFile());
    EXPECT_NE(file.find("[Messages]\r\nCount=0\r\n"), std::string::npos) << file;
    EXPECT_EQ(file.find("\nM"), std::string::npos) << file;
}

TEST_F(SettingsDialogTest, TwentyThousandPastedLinesAreAddedSavedAndShownAgain)
{
    Open();
    Messages expected = gSettings.Messages;
    std::string pasted;
    for (int i = 1; i <= 20000; ++i) {
        expected.push_back("Pasted message number " + std::to_string(i));
        pasted += "  " + expected.back() + "\r\n";
    }
    ASSERT_TRUE(PutOnClipboard(pasted));
    SendMessageA(Item(txtNewMsg), WM_PASTE, 0, 0);
    Click(cmdAdd);
    EXPECT_EQ(MessageBoxes([&] { Click(cmdSave); }), Boxes{});
    gSettings = Settings{};
    LoadSettings();
    Open();
    EXPECT_EQ(Listed(), expected);
}

TEST_F(SettingsDialogTest, CaptureBoxesTakeCombinationsFromRealKeysAndClearEmptiesThem)
{
    Open();
    ASSERT_TRUE(PutOnClipboard("pasted"));
    SetFocus(Item(txtHkStart));
    const std::pair<std::vector<WORD>, const char*> presses[] = {
        {{'Q'}, "Ctrl+Alt+S"},      {{VK_F9}, "F9"},       {{VK_CONTROL, VK_TAB}, "Ctrl+Tab"},
        {{VK_BACK}, "(none)"}, {{VK_CONTROL, 'V'}, "Ctrl+V"}};
    for (const auto& [chord, shown] : presses) {
        PressKeys(dialog, chord);
        EXPECT_EQ(Text(txtHkStart), shown);
    }
    // The Win key's state is read when the main key arrives, not queued with it.
    SendKey(VK_LWIN, 0);
    EXPECT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_LWIN) < 0; }));
    PressKeys(dialog, {VK_SHIFT, 'F'});
    SendKey(VK_LWIN, KEYEVENTF_KEYUP);
    EXPECT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_LWIN) >= 0; }));
    EXPECT_EQ(Text(txtHkStart), "Win+Shift+F");
    PressKeys(dialog, {VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdClrStart));
    Click(cmdClrStart);
    EXPECT_EQ(Text(txtHkStart), "(none)");
}

TEST_F(SettingsDialogTest, TheOpacityBarStaysInItsRangePastBothEndsAndLabelsEveryPosition)
{
    gSettings.Opacity = 250;
    Open();
    // A page right from 250 and a step left from 10 would overshoot.
    const std::tuple<WORD, int, std::string> keys[] = {
        {VK_NEXT, 255, "100%"}, {VK_HOME, 10, "4%"}, {VK_LEFT, 10, "4%"}};
    for (const auto& [key, position, label] : keys) {
        Press(hsbOpacity, {key});
        EXPECT_EQ(std::pair(GetScrollPos(Item(hsbOpacity), SB_CTL), Text(lblOpacity)), std::pair(position, label));
    }
    Scroll(SB_PAGERIGHT);  // to 26, away from the end
    // The thumb dragged by the mouse past the right end, then past the left; the bar is read
    // after each position it reports while tracking.
    static std::vector<std::pair<int, std::string>> tracked;
    tracked.clear();
    const HOOKPROC afterScroll = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (sent->message == WM_HSCROLL && LOWORD(sent->wParam) == SB_THUMBTRACK)
            tracked.emplace_back(GetScrollPos((HWND)sent->lParam, SB_CTL),
                                 TextOf(GetDlgItem(sent->hwnd, lblOpacity)));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, afterScroll, nullptr, GetCurrentThreadId());
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(Item(hsbOpacity), OBJID_CLIENT, &bar);
    // Past the ends, yet near enough that the bar keeps tracking instead of snapping back.
    const RECT& r = bar.rcScrollBar;
    const LONG y = (r.top + r.bottom) / 2, thumb = r.left + bar.xyThumbTop + 2;
    const std::pair<LONG, DWORD> steps[] = {{thumb, MOUSEEVENTF_LEFTDOWN}, {thumb + 10, 0}, {r.right + 20, 0},
                                           {r.left - 20, 0}, {r.left - 20, MOUSEEVENTF_LEFTUP}};
    std::atomic<bool> released = false;
    std::thread hand([&] {
        for (const auto& [x, flags] : steps) {
            SendMouse({x, y}, flags);
            Sleep(250);
        }
        released = true;
    });
    PumpUntil([&] { return released.load(); }, 10000);
    hand.join();
    UnhookWindowsHookEx(hook);
    ASSERT_FALSE(tracked.empty()) << "the drag did not reach the bar";
    const auto [least, most] = std::minmax_element(tracked.begin(), tracked.end());
    EXPECT_EQ(std::pair(least->first, most->first), std::pair(10, 255));
    for (const auto& [position, label] : tracked)
        EXPECT_EQ(label, OpacityLabelText(position)) << position;
}

TEST_F(SettingsDialogTest, PreviewFlashesTheUnsavedValuesAndDrawsOnlyWhatTheyLeaveOpen)
{
    Open();
    const ScriptedRandom draws{0.5f, 0.99f, 0.f, 0.f, 0.9f};
    Type({{txtSizeMin, "24"}, {txtSizeMax, "24"}, {txtDuration, "400"}});
    for (const SettingsControl id : {chkBold, chkAllMonitors})
        Click(id);
    ChooseFont("Liberation Mono");
    Scroll(SB_PAGELEFT);
    Select(1);
    Click(cmdPreview);
    ASSERT_EQ(host.flashes.size(), 1u);
    EXPECT_EQ(host.flashes[0], (Flash{"You are confident", "Liberation Mono", 24, false, 0xFFFFFF, 214, false, 400}));
    // Without a selection the message is drawn from the list, before the size.
    Select(-1);
    Click(cmdPreview);
    EXPECT_EQ(std::get<0>(host.flashes.at(1)), "Drink some water");
    // Numbers that Save would refuse land on their bounds; nothing is said about them.
    Type({{txtSizeMin, "abc"}, {txtSizeMax, "abc"}, {txtDuration, "99999"}});
    EXPECT_EQ(MessageBoxes([&] { Click(cmdPreview); }), Boxes{});
    ASSERT_EQ(host.flashes.size(), 3u);
    EXPECT_EQ(std::pair(std::get<2>(host.flashes[2]), std::get<7>(host.flashes[2])), std::pair(6, 10000));
    EXPECT_EQ(draws.DrawsTaken(), 5u);
}

TEST_F(SettingsDialogTest, CancelStoresNothingRegistersTheOldHotkeysAgainAndUpdatesTheTray)
{
    const Settings before = gSettings;
    RegisterHotkeys(host.window);
    Open();
    EXPECT_TRUE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_ALT, 'S')) << "off while the dialog is open";
    UnregisterHotKey(nullptr, 0xB002);
    Type({{txtIntMin, "2"}, {txtNewMsg, "extra"}});
    Click(cmdAdd);
    Click(chkStartActive);
    Click(cmdClrStart);
    Click(cmdCancel);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(gSettings, before);
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
    EXPECT_EQ(std::pair(host.updates, host.changes), std::pair(1, 0));
    for (const UINT key : {'S', 'X'}) {
        EXPECT_FALSE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_ALT, key)) << key;
        UnregisterHotKey(nullptr, 0xB002);
    }
}

TEST_F(SettingsDialogTest, TheColourChooserKeepsTheColourWhenCancelledAndOffersItsCustomColoursAgain)
{
    const Settings before = gSettings;
    const ScriptedRandom draws{0.f, 0.f};  // the size of each preview
    const auto previewColour = [&] {
        Click(cmdPreview);
        return host.flashes.empty() ? -1 : std::get<4>(host.flashes.back());
    };
    Open();
    Select(0);
    const auto defineCustomAndCancel = [](HWND chooser) {
        SetRgb(chooser, RGB(10, 20, 30));
        SendMessageA(chooser, WM_COMMAND, kAddCustom, 0);
        PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(Answering([&] { Click(picColor); }, defineCustomAndCancel), 1u);
    EXPECT_EQ(previewColour(), 0xFFFFFF);
    Click(cmdCancel);

    Open();
    Select(0);
    const auto takeFirstCustom = [](HWND chooser) {
        RECT cells;
        GetWindowRect(GetDlgItem(chooser, kCustomColors), &cells);
        POINT first{cells.left + 2, cells.top + 2};
        ScreenToClient(chooser, &first);
        SendMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(Answering([&] { Click(picColor); }, takeFirstCustom), 1u);
    EXPECT_EQ(previewColour(), RGB(10, 20, 30));
    Click(cmdCancel);
    EXPECT_EQ(gSettings, before);
}
