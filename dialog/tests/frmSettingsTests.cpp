#include "dialog/frmSettings.h"

#include "app/tests/TestWindow.h"
#include "dialog/SettingsLayout.h"
#include "dialog/tests/DialogHarness.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ControlRect RectInDialog(HWND control, HWND dialog)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool HasText(const ControlSpec& spec)
{
    return *spec.text && spec.id != lblOpacity;
}

}  // namespace

TEST_F(SettingsDialogTest, OpensCentredWithAFixedFrameAndEveryControlInPlaceAndInTabOrder)
{
    Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Halcyra - Settings");
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HICON), 0u);
    EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HICONSM), 0u);

    RECT client, frame;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 601);
    EXPECT_EQ(client.bottom, 476);
    GetWindowRect(dialog, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    for (const ControlSpec& spec : SettingsLayout()) {
        const HWND control = Item(spec.id);
        ASSERT_NE(control, nullptr) << spec.id;
        EXPECT_EQ(RectInDialog(control, dialog), ClientRect(spec)) << spec.id;
        if (HasText(spec)) {
            EXPECT_EQ(WindowText(control), spec.text) << spec.id;
        }
    }

    UpdateWindow(dialog);
    const HDC dc = GetDC(dialog);
    EXPECT_EQ(GetPixel(dc, 500, 88), GetSysColor(COLOR_BTNFACE)) << "the inside of a group box is painted";
    ReleaseDC(dialog, dc);

    EXPECT_EQ(GetFocus(), Item(lstMessages));
    std::vector<int> order;
    HWND stop = Item(lstMessages);
    do {
        order.push_back(GetDlgCtrlID(stop));
        stop = GetNextDlgTabItem(dialog, stop, FALSE);
    } while (stop != Item(lstMessages) && order.size() < 50);
    EXPECT_EQ(order, (std::vector<int>{lstMessages, txtNewMsg, cmdAdd, cmdUpdate, cmdRemove, txtIntMin, txtIntMax,
                                   txtDuration, cboFont, txtSizeMin, txtSizeMax, chkBold, picColor, chkRandomColor,
                                   hsbOpacity, chkAllMonitors, txtHkStart, cmdClrStart, txtHkStop, cmdClrStop,
                                   chkStartWindows, chkStartActive, cmdPreview, cmdSave, cmdCancel}));

    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), Item(txtNewMsg));
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdAdd));
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), Item(txtNewMsg));
}

TEST_F(SettingsDialogTest, EnterAndEscTriggerNothingWhileEnterBreaksTheLineInTheMessageBox)
{
    Open();
    EXPECT_EQ(GetDlgItem(dialog, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr);
    EXPECT_NE(HIWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), DC_HASDEFID);

    ModalResponder boxes;
    SetText(txtIntMin, "0");  // Save would refuse it with a message box
    for (const SettingsControl at : {txtIntMin, cmdSave, txtNewMsg}) {
        Focus(at);
        PressKeys({VK_RETURN});
        PressKeys({VK_ESCAPE});
    }
    EXPECT_EQ(SettingsDialog(), dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(boxes.seen.empty());

    SetText(txtNewMsg, "");
    PressKeys({'A'});
    PressKeys({VK_RETURN});
    PressKeys({'B'});
    EXPECT_EQ(Text(txtNewMsg), "a\r\nb");
}

TEST_F(SettingsDialogTest, OpenUnregistersTheHotkeysAndFillsTheControlsFromTheRecord)
{
    gSettings.Messages = {"one", "two", " three "};
    gSettings.IntervalMin = 3;
    gSettings.IntervalMax = 30;
    gSettings.DurationMs = 250;
    Open();
    std::string face(LF_FACESIZE, '\0');
    face.resize(static_cast<std::size_t>(SendMessageA(Item(cboFont), CB_GETLBTEXT,
                                                      SendMessageA(Item(cboFont), CB_GETCOUNT, 0, 0) / 2,
                                                      reinterpret_cast<LPARAM>(face.data()))));
    Click(cmdCancel);
    gSettings.FontName = face;
    CharUpperA(gSettings.FontName.data());
    gSettings.FontSizeMin = 12;
    gSettings.FontSizeMax = 48;
    gSettings.Bold = true;
    gSettings.Color = 0x0000FF;
    gSettings.Opacity = 2;
    gSettings.StartActive = true;
    gSettings.StartMod = 6;
    gSettings.StartKey = 'P';
    gSettings.StopKey = 0;
    Open();

    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"one", "two", " three "}));
    EXPECT_EQ(ListSelection(), LB_ERR);
    EXPECT_EQ(Text(txtNewMsg), "");
    EXPECT_EQ(Text(txtIntMin), "3");
    EXPECT_EQ(Text(txtIntMax), "30");
    EXPECT_EQ(Text(txtDuration), "250");
    EXPECT_EQ(Text(txtSizeMin), "12");
    EXPECT_EQ(Text(txtSizeMax), "48");
    EXPECT_EQ(Text(cboFont), face);
    EXPECT_EQ(SendMessageA(Item(chkBold), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Item(chkRandomColor), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Item(chkStartActive), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetScrollPos(Item(hsbOpacity), SB_CTL), 10);
    EXPECT_EQ(Text(lblOpacity), "4%");
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Shift+P");
    EXPECT_EQ(Text(txtHkStop), "(none)");

    UpdateWindow(dialog);
    const HDC swatch = GetDC(Item(picColor));
    EXPECT_EQ(GetPixel(swatch, 20, 11), 0x0000FFu);
    ReleaseDC(Item(picColor), swatch);

    Click(cmdSave);
    EXPECT_EQ(gSettings.FontName, face);
    EXPECT_EQ(gSettings.Opacity, 10);
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, 'P'));
}

TEST_F(SettingsDialogTest, SaveAssignsAndStoresTheRecordThenClosesAndRegistersTheNewHotkeys)
{
    Open();
    SetText(txtIntMin, "1.4");
    SetText(txtIntMax, " 3.5 ");
    SetText(txtDuration, "250.5");
    SetText(txtSizeMin, "+6");
    SetText(txtSizeMax, "6");
    Click(chkBold);
    Click(chkAllMonitors);
    Click(chkStartWindows);
    RunEntries::SetOurs("planted");
    Focus(txtHkStart);
    PressKeys({VK_CONTROL, VK_MENU, 'Q'});
    SetText(txtNewMsg, "alpha\r\nbeta");
    Click(cmdAdd);
    const Settings before = gSettings;

    ModalResponder boxes;
    Click(cmdSave);
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(SettingsDialog(), nullptr);

    Settings expected = before;
    expected.IntervalMin = 1;
    expected.IntervalMax = 4;
    expected.DurationMs = 250;
    expected.FontSizeMin = 6;
    expected.FontSizeMax = 6;
    expected.Bold = !before.Bold;
    expected.AllMonitors = !before.AllMonitors;
    expected.StartWithWindows = !before.StartWithWindows;
    expected.StartMod = 3;
    expected.StartKey = 'Q';
    expected.Messages.push_back("alpha");
    expected.Messages.push_back("beta");
    expected.FontName = gSettings.FontName;  // whichever face the machine offers first
    EXPECT_EQ(gSettings, expected);
    EXPECT_NE(ReadBytes(appData.OurFile()).find("beta"), std::string::npos);
    EXPECT_EQ(RunEntries::Ours(), std::nullopt);
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
}

TEST_F(SettingsDialogTest, SaveStopsAtTheFirstFailedCheckWithItsMessageAndFocusAndWritesNothing)
{
    struct Case {
        std::vector<std::pair<SettingsControl, const char*>> texts;
        SettingsControl focus;
        const char* message;
        bool selectsAll;
    };
    const Case cases[] = {
        {{{txtIntMin, "0.6"}}, txtIntMin, "Minimum interval must be a number between 1 and 86400.", true},
        {{{txtIntMax, "12abc"}}, txtIntMax, "Maximum interval must be a number between 1 and 86400.", true},
        {{{txtIntMin, "30"}, {txtIntMax, "20"}, {txtDuration, ""}}, txtIntMax,
         "Maximum interval must be greater than or equal to the minimum.", false},
        {{{txtDuration, ""}}, txtDuration, "Display time must be a number between 10 and 10000.", true},
        {{{txtSizeMin, "99999999999999999999"}}, txtSizeMin, "Minimum font size must be a number between 6 and 400.",
         true},
        {{{txtSizeMax, "401"}}, txtSizeMax, "Maximum font size must be a number between 6 and 400.", true},
        {{{txtSizeMin, "50"}, {txtSizeMax, "20"}}, txtSizeMax,
         "Maximum font size must be greater than or equal to the minimum.", false},
    };
    Open();
    for (const Case& c : cases) {
        for (const SettingsControl box : {txtIntMin, txtIntMax, txtDuration, txtSizeMin, txtSizeMax})
            SetText(box, "20");
        for (const auto& [box, text] : c.texts)
            SetText(box, text);
        SendMessageA(Item(c.focus), EM_SETSEL, 1, 1);
        ModalResponder boxes;
        Click(cmdSave);
        ASSERT_EQ(boxes.seen.size(), 1u) << c.message;
        EXPECT_EQ(boxes.seen[0].title, "Halcyra");
        EXPECT_EQ(boxes.seen[0].text, c.message);
        EXPECT_EQ(SettingsDialog(), dialog);
        EXPECT_EQ(GetFocus(), Item(c.focus)) << c.message;
        DWORD start = 0, end = 0;
        SendMessageA(Item(c.focus), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const auto selection = c.selectsAll ? std::make_pair(DWORD{0}, static_cast<DWORD>(Text(c.focus).size()))
                                            : std::make_pair(DWORD{1}, DWORD{1});
        EXPECT_EQ(std::make_pair(start, end), selection) << c.message;
    }
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxDropEveryEditAndRegisterTheOldHotkeysAgain)
{
    RunEntries::SetOurs("planted");
    for (const bool closeBox : {false, true}) {
        Open();
        Click(chkStartWindows);
        Click(cmdClrStart);
        SetText(txtIntMin, "9");
        SetText(txtNewMsg, "extra");
        Click(cmdAdd);
        EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
        if (closeBox)
            SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            Click(cmdCancel);
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(gSettings, DefaultSettings());
        EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    }
    Open();
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Alt+S");
    EXPECT_EQ(ListEntries().size(), DefaultSettings().Messages.size());
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
    EXPECT_EQ(RunEntries::Ours(), "planted");
}

TEST_F(SettingsDialogTest, AHotkeyHeldElsewhereIsNamedOnceAsTheDialogClosesAfterSave)
{
    Open();
    TestWindow other;
    ASSERT_TRUE(RegisterHotKey(other.get(), 1, MOD_CONTROL | MOD_ALT, 'S'));
    ModalResponder boxes;
    Click(cmdSave);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Halcyra");
    EXPECT_NE(boxes.seen[0].text.find("Ctrl+Alt+S"), std::string::npos);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, ShowingItAgainBringsTheSameDialogForwardWithItsEdits)
{
    Open();
    SetText(txtIntMin, "42");
    Focus(txtIntMin);
    const HWND other = CreateWindowExA(0, "Static", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       nullptr, nullptr);
    SetForegroundWindow(other);
    PumpUntil([&] { return GetForegroundWindow() == other; });
    form->ShowSettings();
    PumpUntil([&] { return GetForegroundWindow() == dialog; });
    EXPECT_EQ(SettingsDialog(), dialog);
    EXPECT_EQ(GetForegroundWindow(), dialog);
    EXPECT_EQ(GetFocus(), Item(txtIntMin));
    EXPECT_EQ(Text(txtIntMin), "42");
    DestroyWindow(other);
}

TEST_F(SettingsDialogTest, ExitClosesTheDialogFirstWithoutSavingRegisteringOrAnyMessage)
{
    static std::vector<HWND> destroyed;
    destroyed.clear();
    const HHOOK hook = SetWindowsHookExA(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_DESTROYWND)
                destroyed.push_back(reinterpret_cast<HWND>(wParam));
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    Open();
    SetText(txtIntMin, "9");
    const HWND flashWindow = flash.Handle();
    ModalResponder boxes;
    form->ExitApp();
    UnhookWindowsHookEx(hook);

    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(SettingsDialog(), nullptr);
    const auto at = [&](HWND w) { return std::find(destroyed.begin(), destroyed.end(), w) - destroyed.begin(); };
    ASSERT_LT(at(dialog), static_cast<std::ptrdiff_t>(destroyed.size()));
    EXPECT_LT(at(dialog), at(flashWindow));
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, ExitWhileARefusalIsShownClosesEverything)
{
    Open();
    SetText(txtIntMin, "");
    ModalResponder boxes([&](HWND) { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); });
    Click(cmdSave);
    EXPECT_EQ(boxes.seen.size(), 1u);
    EXPECT_TRUE(AppExiting);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(form->Handle(), nullptr);
}
