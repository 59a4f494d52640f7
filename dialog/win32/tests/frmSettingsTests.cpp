#include "dialog/win32/frmSettings.h"

#include "app/win32/frmMain.h"
#include "dialog/SettingsLayout.h"
#include "flash/win32/frmFlash.h"
#include "platform/AppExiting.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/GdiScopes.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "settings/modSettings.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/win32/Keys.h"
#include "tests/support/win32/Pump.h"
#include "tests/support/win32/RunKey.h"
#include "tests/support/win32/TempAppData.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

using Boxes = std::vector<std::pair<std::string, std::string>>;  // title and text
using Rect = std::array<LONG, 4>;                                   // x, y, width and height
// FlashCustom's arguments, in its order.
using Flash = std::tuple<std::string, std::string, int32_t, bool, int32_t, int32_t, bool, int32_t>;
// The system colour chooser's red, green and blue boxes, its Add to Custom Colours button and its custom colours.
enum ChooserItem { kRedBox = 706, kGreenBox, kBlueBox, kAddCustom = 712, kCustomColors = 721 };
static const auto PressOk = [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); };

// Runs action and hands each dialog box of this thread (a message box, the colour chooser) that
// becomes active meanwhile to respond, once; returns their titles and texts.
static Boxes Answering(const std::function<void()>& action, const std::function<void(HWND)>& respond = PressOk) {
    static Boxes boxes;
    static HWND last;
    static const std::function<void(HWND)>* answer;
    boxes.clear();
    last = nullptr;
    answer = &respond;
    const HOOKPROC hook = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto box = reinterpret_cast<HWND>(wParam);
        char kind[8] = {};
        if (code == HCBT_ACTIVATE && box != last && GetClassNameA(box, kind, 8) && std::string(kind) == "#32770") {
            last = box;
            boxes.emplace_back(TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)));
            (*answer)(box);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK installed = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(installed);
    return boxes;
}

// Stands in for the main form and writes down what the dialog asks of it.
struct RecordingHost final : SettingsHost {
    ~RecordingHost() { DestroyWindow(window); }
    HWND HotkeyWindow() const override { return window; }
    FrameGrid ReadFrameGrid() override { return GridOfRefreshRate(60); }
    void UpdateUI() override { ++updates; }
    void SettingsChanged() override { ++changes; }
    void FlashCustom(std::string sText, std::string sFont, int32_t lSize, bool bBold, int32_t lColor, int32_t lOpacity,
                     bool bAllMonitors, int32_t lDurationMs) override {
        flashes.emplace_back(sText, sFont, lSize, bBold, lColor, lOpacity, bAllMonitors, lDurationMs);
    }

    const HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    int updates = 0, changes = 0;
    std::vector<Flash> flashes;
};

// The settings dialog over a recording host, the settings file in a fresh folder.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        gSettings = DefaultSettings();
        // A save would otherwise enter this test exe in the Run key that the end-to-end
        // tests read from the same Wine prefix.
        gSettings.StartWithWindows = false;
    }
    ~SettingsDialogTest() override {
        gSettings.StartKey = gSettings.StopKey = 0;  // no hotkey warning to block the close
        CloseSettingsDialog();
        UnregisterHotkeys(host.window);
    }

    // Opens the dialog the way the tray does, and waits until the window manager has let it
    // keep the focus for a moment.
    void Open() {
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
    // Where a control stands in the client area.
    Rect Placed(SettingsControl id) const {
        RECT r;
        GetWindowRect(Item(id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    std::string Text(SettingsControl id) const { return TextOf(Item(id)); }
    void Type(std::initializer_list<std::pair<SettingsControl, std::string>> boxes) const {
        for (const auto& [id, text] : boxes)
            SetText(Item(id), text);
    }
    void Click(std::initializer_list<SettingsControl> ids) const {
        for (const SettingsControl id : ids)
            SendMessageA(Item(id), BM_CLICK, 0, 0);
    }
    void Press(SettingsControl id, const std::vector<WORD>& chord) const {
        SetFocus(Item(id));
        PressKeys(dialog, chord);
    }
    // Selects an entry (-1: none) and tells the dialog as the list would.
    void Select(int entry) const {
        SendMessageA(Item(lstMessages), LB_SETCURSEL, entry, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(lstMessages, LBN_SELCHANGE), (LPARAM)Item(lstMessages));
    }
    void Scroll(int request) const { SendMessageA(dialog, WM_HSCROLL, request, (LPARAM)Item(hsbOpacity)); }
    int Picked(SettingsControl picker) const {
        SYSTEMTIME time{};
        DateTime_GetSystemtime(Item(picker), &time);
        return time.wHour * 60 + time.wMinute;
    }
    // The day box named with the day's shortest name, wherever the user's week puts it.
    HWND DayBox(const char* name) const {
        for (int day = chkDay1; day <= chkDay7; ++day)
            if (Text(static_cast<SettingsControl>(day)) == name)
                return Item(static_cast<SettingsControl>(day));
        return nullptr;
    }
    void ChooseFont(const char* face) const { SendMessageA(Item(cboFont), CB_SELECTSTRING, -1, (LPARAM)face); }
    std::vector<std::string> Listed() const {
        std::vector<std::string> entries(SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i].resize(SendMessageA(Item(lstMessages), LB_GETTEXTLEN, i, 0));
            SendMessageA(Item(lstMessages), LB_GETTEXT, i, (LPARAM)entries[i].data());
        }
        return entries;
    }
    Boxes Save() const { return Answering([&] { Click({cmdSave}); }); }

    TempAppData appData;
    RecordingHost host;
    HWND dialog = nullptr;
};

// How much of a control's text its own font cannot show in its client area, in pixels: the
// text on one line, or word-wrapped for a wrapping label, less a check box's square.
static LONG CutOf(HWND control, ControlKind kind, UINT dpi) {
    const std::wstring text = Wide(TextOf(control));
    RECT client;
    GetClientRect(control, &client);
    const bool wraps = kind == ControlKind::WrappingLabel;
    const bool label = wraps || kind == ControlKind::Label;
    const LONG square = kind == ControlKind::CheckBox ? MetricForDpi(SM_CXMENUCHECK, dpi) : 0;
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const ScopedSelection font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, wraps ? client.right : 0, 0};
    DrawTextW(dc.get(), text.c_str(), -1, &needed,
              DT_CALCRECT | (label ? DT_NOPREFIX : 0) | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    return std::max(needed.right - (client.right - square), wraps ? needed.bottom - client.bottom : 0);
}

// Run at 96 dots per inch with the other tests, and again at 120, 144 and 192 (LogPixels).
TEST_F(SettingsDialogTest, AtTheScreensDpiHasItsClientAreaAndEveryCaptionWhole) {
    const std::map<UINT, std::pair<LONG, LONG>> clientAreas{
        {96, {601, 592}}, {120, {751, 740}}, {144, {902, 888}}, {192, {1202, 1184}}};
    Open();
    const UINT dpi = DpiOfWindow(dialog);
    ASSERT_TRUE(clientAreas.contains(dpi)) << dpi;
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), clientAreas.at(dpi)) << dpi;
    for (const auto& control : SettingsLayout())
        EXPECT_LE(CutOf(Item(control.id), control.kind, dpi), 0) << control.id << " \"" << Text(control.id) << "\"";
}

// Wine never sends it: sent here as Windows would when the dialog is dragged to a monitor at 150 %.
TEST_F(SettingsDialogTest, LaysItselfOutAgainForTheNewDpiInTheRectangleTheSystemSuggests) {
    Open();
    RECT suggested{100, 50, 1030, 870}, now;
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(dialog, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    // Save at (400, 556) 89 x 28, scaled by 1.5 at its edges: the right one, at 733.5, rounds up.
    EXPECT_EQ(Placed(cmdSave), (Rect{600, 834, 734 - 600, 876 - 834}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(cmdSave), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, MulDiv(-11, 144, 96)) << "the stock GUI font's 8 points at 144 dots per inch";
}

TEST_F(SettingsDialogTest, StandsWhereItsLayoutSaysAndTabVisitsItsControlsInOrder) {
    gSettings.UseSchedule = true;  // else its times and days are off and Tab passes them by
    Open();
    std::vector<SettingsControl> tabStops, visited;
    for (const auto& control : SettingsLayout()) {
        // An empty text is the record's to fill, and so are the two notes'.
        const bool filled = control.id == lblOpacity || control.id == lblDurNote;
        const std::string text = *control.text && !filled ? Text(control.id) : control.text;
        const ControlRect at = ClientRect(control);
        const Rect position{at.x, at.y, at.width, at.height};
        EXPECT_EQ(std::pair(text, Placed(control.id)), std::pair(std::string(control.text), position)) << control.id;
        if (control.kind != ControlKind::GroupBox && control.kind != ControlKind::Label &&
            control.kind != ControlKind::WrappingLabel)
            tabStops.push_back(control.id);
    }
    EXPECT_EQ(TextOf(dialog), "Halcyra - Settings");
    tabStops.push_back(lstMessages);  // and round to the first again
    for (std::size_t i = 0; i < tabStops.size(); ++i, PressKeys(dialog, {VK_TAB}))
        visited.push_back(static_cast<SettingsControl>(GetDlgCtrlID(GetFocus())));
    EXPECT_EQ(visited, tabStops);
}

// Cancel first, then Save, over a record unlike the defaults; the colour chooser keeps its custom colours between.
TEST_F(SettingsDialogTest, ShowsTheRecordCancelKeepsItAndSaveTakesEachControlBackIntoItsOwnField) {
    const Settings record{60,    90,   250,   "Liberation Serif", 30, 40, false, 0x00FFFF, true, 128, false,
                          true,  true, false, false, MOD_CONTROL | MOD_SHIFT, 'A', MOD_ALT, VK_F5, {"First", "Second"},
                          true,  TimeOfDay{22 * 60}, TimeOfDay{2 * 60}, DayBit(4)};  // Friday nights
    gSettings = record;
    RegisterHotkeys(host.window);
    const ScriptedRandom draws{0.f};  // the size, drawn from 6 to 24
    Open();
    const std::pair<SettingsControl, const char*> shown[] = {
        {txtIntMin, "60"}, {txtIntMax, "90"}, {txtDuration, "250"}, {txtSizeMin, "30"}, {txtSizeMax, "40"},
        {cboFont, "Liberation Serif"}, {lblOpacity, "50%"}, {txtHkStart, "Ctrl+Shift+A"}, {txtHkStop, "Alt+F5"}};
    for (const auto& [id, text] : shown)
        EXPECT_EQ(Text(id), text) << id;
    EXPECT_EQ(std::tuple(Picked(dtpFrom), Picked(dtpTo), IsChecked(DayBox("Fr")), IsChecked(DayBox("Sa"))),
              std::tuple(22 * 60, 2 * 60, true, false));
    EXPECT_TRUE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_SHIFT, 'A')) << "off while the dialog is open";
    UnregisterHotKey(nullptr, 0xB002);

    // Preview hands over what is shown, unsaved, and says nothing of boxes that Save would refuse.
    Type({{txtSizeMin, "24"}, {txtSizeMax, "abc"}, {txtDuration, "400"}, {txtNewMsg, "extra"}});
    EXPECT_EQ(Text(lblDurNote), "24 frames at 60 Hz") << "follows the box as it changes";
    Click({cmdAdd, chkBold, chkRandomColor, chkAllMonitors, cmdClrStart});
    // Either Windows key counts as it is at the moment the key is taken: the right one is held meanwhile.
    SendKey(VK_RWIN, 0);
    Press(txtHkStop, {'F'});
    SendKey(VK_RWIN, KEYEVENTF_KEYUP);
    EXPECT_EQ(Text(txtHkStop), "Win+F");
    ChooseFont("Liberation Mono");
    Scroll(SB_PAGELEFT);
    Answering([&] { Click({picColor}); }, [](HWND chooser) {
        for (const auto& [box, value] : {std::pair{kRedBox, 10}, {kGreenBox, 20}, {kBlueBox, 30}})
            SetDlgItemInt(chooser, box, value, FALSE);
        SendMessageA(chooser, WM_COMMAND, kAddCustom, 0);
        PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    Select(2);  // the entry just added
    EXPECT_EQ(Answering([&] { Click({cmdPreview}); }), Boxes{});
    EXPECT_EQ(host.flashes, (std::vector<Flash>{{"extra", "Liberation Mono", 6, true, 0x00FFFF, 112, true, 400}}));
    Click({cmdCancel});
    EXPECT_EQ(std::tuple(gSettings, ReadBytes(appData.OurFile()), host.updates, host.changes),
              std::tuple(record, "<missing>", 1, 0));
    EXPECT_FALSE(RegisterHotKey(nullptr, 0xB002, MOD_CONTROL | MOD_SHIFT, 'A')) << "registered again";

    Open();
    // Each check box turned over, so that the saved record shows what each displayed; the
    // times and days are kept, but not used, once the schedule is unticked.
    SendMessageA(DayBox("Sa"), BM_CLICK, 0, 0);
    const SYSTEMTIME half{2024, 6, 1, 3, 7, 30, 0, 0};
    DateTime_SetSystemtime(Item(dtpFrom), GDT_VALID, &half);
    Click({chkBold, chkRandomColor, chkAllMonitors, chkStartWindows, chkStartActive, chkPauseBusy, chkHideCapture,
           chkSchedule});
    EXPECT_FALSE(IsWindowEnabled(Item(dtpFrom)) || IsWindowEnabled(DayBox("Fr"))) << "off with the schedule";
    Type({{txtIntMin, "1.4"}, {txtIntMax, "3.5"}, {txtDuration, "300"}, {txtSizeMin, "25"}, {txtSizeMax, "35"},
          {txtNewMsg, "Third"}});
    Click({cmdAdd, cmdClrStop});
    ChooseFont("Liberation Mono");
    Scroll(SB_PAGERIGHT);
    Answering([&] { Click({picColor}); }, [](HWND chooser) {
        RECT cells;
        GetWindowRect(GetDlgItem(chooser, kCustomColors), &cells);
        POINT first{cells.left + 2, cells.top + 2};
        ScreenToClient(chooser, &first);
        SendMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
        PressOk(chooser);
    });
    // A plain letter is refused, Ctrl+V taken rather than pasted, and Tab moves on.
    ASSERT_TRUE(PutOnClipboard("pasted"));
    Press(txtHkStart, {'Q'});
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Shift+A");
    Press(txtHkStart, {VK_CONTROL, 'V'});
    EXPECT_EQ(Text(txtHkStart), "Ctrl+V");
    PressKeys(dialog, {VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdClrStart));
    // Held elsewhere, the new start hotkey is named once as the dialog closes, after the save.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xB001, MOD_CONTROL, 'V'));
    const std::optional<std::string> run[] = {SwapRunValue("Halcyra", "ours"), SwapRunValue("Brindlewick", "older")};
    std::string savedBefore;
    const Boxes boxes = Answering([&] { Click({cmdSave}); }, [&](HWND box) {
        savedBefore = ReadBytes(appData.OurFile());
        PressOk(box);
    });
    UnregisterHotKey(nullptr, 0xB001);
    // Unticked, starting with Windows takes the earlier edition's value away with ours.
    EXPECT_EQ(SwapRunValue("Halcyra", run[0]), std::nullopt);
    EXPECT_EQ(SwapRunValue("Brindlewick", run[1]), std::nullopt);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].second.find("\r\n  Ctrl+V  (start)\r\n"), std::string::npos) << boxes[0].second;
    EXPECT_NE(savedBefore.find("StartKey=86"), std::string::npos) << savedBefore;
    // The typed numbers rounded half to even.
    const Settings saved{1,     4,     300,  "Liberation Mono",     25,          35,  true, RGB(10, 20, 30), false, 144, true,
                         false, false, true, true,                MOD_CONTROL, 'V', 0,    0, {"First", "Second", "Third"},
                         false, TimeOfDay{7 * 60 + 30}, TimeOfDay{2 * 60}, DayBit(4) | DayBit(5)};
    EXPECT_EQ(std::tuple(IsWindow(dialog), gSettings, host.changes), std::tuple(FALSE, saved, 1));
}

TEST_F(SettingsDialogTest, ARefusalNamesItsBoxFocusesItAndStoresNothingAndAnExitMeanwhileClosesEverything) {
    const Settings before = gSettings;
    Open();
    // The range refusal selects the whole text, the order refusal leaves the selection as it was.
    for (const auto& [box, typed, message, selection] :
         {std::tuple{txtDuration, "10001", "Display time must be a number between 10 and 10000.", MAKELONG(0, 5)},
          {txtSizeMax, "20", "Maximum font size must be greater than or equal to the minimum.", MAKELONG(1, 2)}}) {
        const std::string valid = Text(box);
        Type({{box, typed}});
        SendMessageA(Item(box), EM_SETSEL, 1, 2);
        EXPECT_EQ(Save(), (Boxes{{"Halcyra", message}}));
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Item(box); })) << message;
        EXPECT_EQ(SendMessageA(Item(box), EM_GETSEL, 0, 0), selection) << message;
        Type({{box, valid}});
    }
    // A schedule needs a day: the first day box gets the focus.
    Click({chkSchedule, chkDay1, chkDay2, chkDay3, chkDay4, chkDay5, chkDay6, chkDay7});
    EXPECT_EQ(Save(), (Boxes{{"Halcyra", "Choose at least one day for the schedule."}}));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Item(chkDay1); }));
    EXPECT_EQ(std::tuple(gSettings, host.changes, ReadBytes(appData.OurFile())), std::tuple(before, 0, "<missing>"));
    frmFlash flash(GetModuleHandleA(nullptr));
    frmMain form(GetModuleHandleA(nullptr), flash);
    Type({{txtIntMin, ""}});
    Answering([&] { Click({cmdSave}); }, [&](HWND) { PostMessageA(form.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(std::tuple(IsWindow(dialog), form.Handle(), flash.Handle()), std::tuple(FALSE, nullptr, nullptr));
    AppExiting = false;
    DiscardQuit();
}

TEST_F(SettingsDialogTest, AskedForAgainItIsTheOneOpenAndActivatedAgainItGivesTheFocusBackToTheControlThatHadIt) {
    Open();
    EXPECT_EQ(frmSettings::Create(GetModuleHandleA(nullptr), host), dialog) << "a second dialog";
    SetFocus(Item(txtIntMax));
    ShowWindow(host.window, SW_SHOW);
    SetForegroundWindow(host.window);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == host.window; }));
    SetForegroundWindow(dialog);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == dialog && GetFocus() == Item(txtIntMax); }));
}

TEST_F(SettingsDialogTest, TheMessageEditorAddsUpdatesAndRemovesAndAnEmptiedListIsSavedWithoutMessages) {
    Open();
    std::vector<std::string> expected = gSettings.Messages;
    // Ctrl+Enter, with Shift or without, adds and leaves no line break behind; Enter alone starts a new line,
    // after an odd and after an even number of Ctrl presses, whatever Ctrl's toggle state says.
    for (const auto& [chord, adds] :
         {std::pair<std::vector<WORD>, bool>{{VK_CONTROL, VK_RETURN}, true}, {{VK_RETURN}, false},
          {{VK_CONTROL, VK_SHIFT, VK_RETURN}, true}, {{VK_RETURN}, false}}) {
        Type({{txtNewMsg, "x"}});
        SendMessageA(Item(txtNewMsg), EM_SETSEL, 1, 1);
        Press(txtNewMsg, chord);
        EXPECT_EQ(Text(txtNewMsg), adds ? "" : "x\r\n") << chord.size();
        if (adds)
            expected.push_back("x");
    }
    Select(1);
    Type({{txtNewMsg, "new"}});
    Click({cmdUpdate});
    expected[1] = "new";
    // Remove selects the entry now in its place, which the Delete key in the list removes in turn.
    Select(2);
    Click({cmdRemove});
    EXPECT_EQ(Text(txtNewMsg), expected[3]);
    Press(lstMessages, {VK_DELETE});
    expected.erase(expected.begin() + 2, expected.begin() + 4);
    EXPECT_EQ(std::pair(Listed(), Text(txtNewMsg)), std::pair(expected, expected[2]));
    // In the text box, the Delete key only edits.
    SendMessageA(Item(txtNewMsg), EM_SETSEL, 0, 0);
    Press(txtNewMsg, {VK_DELETE});
    EXPECT_EQ(std::pair(Listed(), Text(txtNewMsg)), std::pair(expected, expected[2].substr(1)));
    for (std::size_t left = expected.size(); left > 0; --left) {
        Select(0);
        Click({cmdRemove});
    }
    EXPECT_EQ(Text(txtNewMsg), "") << "the only entry removed";
    // A message longer than the file keeps is refused, its text kept and what is too much selected.
    const std::string tooLong(4096, 'x'), holds = "A message can hold at most 4095 characters.";
    for (const auto& [typed, box, selection] : {std::tuple{tooLong, holds, MAKELONG(4095, 4096)},
                                                {"ok\r\n" + tooLong, holds + "\r\nLine 2 is too long.", MAKELONG(4099, 4100)}}) {
        Type({{txtNewMsg, typed}});
        EXPECT_EQ(Answering([&] { Click({cmdAdd}); }), (Boxes{{"Halcyra", box}}));
        EXPECT_EQ(std::tuple(Text(txtNewMsg), SendMessageA(Item(txtNewMsg), EM_GETSEL, 0, 0), Listed().size()),
                  std::tuple(typed, selection, 0u));
    }
    EXPECT_EQ(std::pair(Save(), gSettings.Messages), std::pair(Boxes{}, std::vector<std::string>{}));
}

TEST_F(SettingsDialogTest, ASaveThatCannotWriteSaysWhereAndWhyAndTheRecordIsAppliedAndTheFileKept) {
    WriteBytes(appData.OurFile(), "[Timing]\r\n");
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_READONLY);
    Open();
    Type({{txtIntMin, "9"}});
    const std::string reason = SystemErrorText(ERROR_ACCESS_DENIED);  // in the user's language
    EXPECT_EQ(Save(), (Boxes{{"Halcyra", "Your settings could not be saved to\r\n" + appData.OurFile() + "\r\n\r\n" +
                                             reason + "\r\n\r\nThey stay in effect until Halcyra exits."}}));
    SetFileAttributesA(appData.OurFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(std::tuple(gSettings.IntervalMin, ReadBytes(appData.OurFile()), IsWindow(dialog), host.changes),
              std::tuple(9, "[Timing]\r\n", FALSE, 1));
}

// Far beyond what an edit box takes by default; a list saved and read again is the settings
// file's own test.
TEST_F(SettingsDialogTest, TwentyThousandPastedLinesAreAllAdded) {
    Open();
    std::vector<std::string> expected = gSettings.Messages;
    std::string pasted = "\r\n";
    for (int i = 1; i <= 20000; ++i) {
        expected.push_back("Pasted message number " + std::to_string(i));
        pasted += "  " + expected.back() + (i % 1000 ? "\r\n" : "\r\n\r\n");
    }
    ASSERT_TRUE(PutOnClipboard(pasted));
    SendMessageA(Item(txtNewMsg), WM_PASTE, 0, 0);
    Click({cmdAdd});
    EXPECT_EQ(Listed(), expected);
}
