#include "dialog/frmSettings.h"

#include "app/tests/TestWindow.h"
#include "dialog/SettingsLayout.h"
#include "dialog/tests/DialogHarness.h"
#include "settings/Settings.h"

#include <algorithm>

namespace {

ControlRect RectIn(HWND dialog, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::pair<DWORD, DWORD> Selection(HWND box)
{
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

}  // namespace

TEST_F(SettingsDialogTest, OpensCentredWithAFixedFrameEveryControlInPlaceAndTabOrderButNoDefaultButton)
{
    Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Halcyra - Settings");
    EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HICON) | GetClassLongPtrA(dialog, GCLP_HICONSM), 0u);
    RECT client, frame;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &frame);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(601L, 476L));
    EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 2);
    EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 2);
    for (const ControlSpec& spec : SettingsLayout()) {
        ASSERT_NE(Item(spec.id), nullptr) << spec.id;
        EXPECT_EQ(RectIn(dialog, Item(spec.id)), ClientRect(spec)) << spec.id;
        if (*spec.text && spec.id != lblOpacity) {
            EXPECT_EQ(Text(spec.id), spec.text);
        }
    }
    EXPECT_EQ(RectIn(dialog, Item(txtIntMin)), (ControlRect{432, 28, 49, 21}));
    EXPECT_EQ(RectIn(dialog, Item(chkStartActive)), (ControlRect{312, 410, 273, 17}));
    EXPECT_EQ(PixelOf(dialog, 500, 88), GetSysColor(COLOR_BTNFACE)) << "the inside of a group box is painted";

    EXPECT_EQ(GetFocus(), Item(lstMessages));
    std::vector<int> order;
    for (HWND stop = Item(lstMessages); order.size() < 50 && (order.empty() || stop != Item(lstMessages));
         stop = GetNextDlgTabItem(dialog, stop, FALSE))
        order.push_back(GetDlgCtrlID(stop));
    EXPECT_EQ(order, (std::vector<int>{lstMessages, txtNewMsg, cmdAdd, cmdUpdate, cmdRemove, txtIntMin, txtIntMax,
                                       txtDuration, cboFont, txtSizeMin, txtSizeMax, chkBold, picColor,
                                       chkRandomColor, hsbOpacity, chkAllMonitors, txtHkStart, cmdClrStart,
                                       txtHkStop, cmdClrStop, chkStartWindows, chkStartActive, cmdPreview, cmdSave,
                                       cmdCancel}));
    PressKeys({VK_TAB});
    PressKeys({VK_TAB});  // out of the multi-line box too
    EXPECT_EQ(GetFocus(), Item(cmdAdd));
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), Item(txtNewMsg));

    EXPECT_EQ(GetDlgItem(dialog, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr);
    EXPECT_NE(HIWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), DC_HASDEFID);
    SetText(txtIntMin, "0");  // Save would refuse it with a message box
    const auto boxes = Answering([&] {
        for (const SettingsControl at : {txtIntMin, cmdSave, txtNewMsg}) {
            Focus(at);
            PressKeys({VK_RETURN});
            PressKeys({VK_ESCAPE});
        }
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(SettingsDialog(), dialog);
    SetText(txtNewMsg, "");
    for (const WORD key : {WORD{'A'}, WORD{VK_RETURN}, WORD{'B'}})
        PressKeys({key});
    EXPECT_EQ(Text(txtNewMsg), "a\r\nb");
}

TEST_F(SettingsDialogTest, OpenFillsTheControlsFromTheRecordAndSaveAssignsStoresAndAppliesThem)
{
    Open();
    const HWND fonts = Item(cboFont);
    std::string face(LF_FACESIZE, '\0');
    face.resize(static_cast<std::size_t>(SendMessageA(fonts, CB_GETLBTEXT, SendMessageA(fonts, CB_GETCOUNT, 0, 0) / 2,
                                                      reinterpret_cast<LPARAM>(face.data()))));
    Click(cmdCancel);
    gSettings.FontName = face;
    CharUpperA(gSettings.FontName.data());
    gSettings.Messages = {"one", " two "};
    gSettings.IntervalMin = -3;
    gSettings.Color = 0x0000FF;
    gSettings.Opacity = 2;
    gSettings.StopMod = 6;
    gSettings.StopKey = 'P';
    Open();
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"one", " two "}));
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(Text(txtIntMin), "-3");
    EXPECT_EQ(Text(cboFont), face);
    EXPECT_EQ(GetScrollPos(Item(hsbOpacity), SB_CTL), 10);
    EXPECT_EQ(Text(lblOpacity), "4%");
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Alt+S");
    EXPECT_EQ(Text(txtHkStop), "Ctrl+Shift+P");
    EXPECT_EQ(PixelOf(Item(picColor), 20, 10), 0x0000FFu);

    SetText(txtIntMin, "1.4");
    SetText(txtIntMax, " 3.5 ");
    SetText(txtSizeMin, "6");
    SetText(txtSizeMax, "+6");
    for (const SettingsControl box : {chkBold, chkAllMonitors, chkStartWindows})
        Click(box);
    Focus(txtHkStart);
    PressKeys({VK_CONTROL, VK_MENU, 'Q'});
    SetText(txtNewMsg, "alpha");
    Click(cmdAdd);
    SetOurRunEntry("planted");
    Settings expected = gSettings;
    EXPECT_TRUE(Answering([&] { Click(cmdSave); }).empty());
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(SettingsDialog(), nullptr);
    expected.IntervalMin = 1;
    expected.IntervalMax = 4;
    expected.FontName = face;
    expected.FontSizeMin = expected.FontSizeMax = 6;
    expected.Bold = !expected.Bold;
    expected.Opacity = 10;
    expected.AllMonitors = !expected.AllMonitors;
    expected.StartWithWindows = !expected.StartWithWindows;
    expected.StartMod = 3;
    expected.StartKey = 'Q';
    expected.Messages.push_back("alpha");
    EXPECT_EQ(gSettings, expected);
    EXPECT_NE(ReadBytes(appData.OurFile()).find("alpha"), std::string::npos);
    EXPECT_EQ(OurRunEntry(), std::nullopt);
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, 'P'));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
}

TEST_F(SettingsDialogTest, AFailedCheckShowsItsMessageFocusesItsBoxAndWritesNothing)
{
    Open();
    const auto boxes = Answering([&] {
        SetText(txtIntMin, "0.6");
        Click(cmdSave);
        SetText(txtIntMin, "30");
        SetText(txtIntMax, "20");
        SendMessageA(Item(txtIntMax), EM_SETSEL, 1, 1);
        Click(cmdSave);
        EXPECT_EQ(GetFocus(), Item(txtIntMax));
        EXPECT_EQ(Selection(Item(txtIntMax)), std::make_pair(DWORD{1}, DWORD{1})) << "left as it was";
        SetText(txtIntMax, "40");
        SetText(txtDuration, "99999999999999999999");
        Click(cmdSave);
        EXPECT_EQ(GetFocus(), Item(txtDuration));
        EXPECT_EQ(Selection(Item(txtDuration)), std::make_pair(DWORD{0}, DWORD{20})) << "all of it";
    });
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "Halcyra");
    EXPECT_EQ(boxes[0].text, "Minimum interval must be a number between 1 and 86400.");
    EXPECT_EQ(boxes[1].text, "Maximum interval must be greater than or equal to the minimum.");
    EXPECT_EQ(boxes[2].text, "Display time must be a number between 10 and 10000.");
    EXPECT_EQ(SettingsDialog(), dialog);
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxDropEveryEditAndRegisterTheOldHotkeysAgain)
{
    SetOurRunEntry("planted");
    for (const bool closeBox : {false, true}) {
        Open();
        Click(chkStartWindows);
        Click(cmdClrStart);
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
    EXPECT_EQ(ReadBytes(appData.OurFile()), "<missing>");
    EXPECT_EQ(OurRunEntry(), "planted");
}

TEST_F(SettingsDialogTest, AHotkeyHeldElsewhereIsNamedOnceAsTheDialogClosesAfterSave)
{
    Open();
    TestWindow other;
    ASSERT_TRUE(RegisterHotKey(other.get(), 1, MOD_CONTROL | MOD_ALT, 'S'));
    const auto boxes = Answering([&] { Click(cmdSave); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Halcyra");
    EXPECT_NE(boxes[0].text.find("Ctrl+Alt+S"), std::string::npos);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(ReadBytes(appData.OurFile()), "<missing>");
}

TEST_F(SettingsDialogTest, ShowingItAgainBringsTheSameDialogForwardWithItsEdits)
{
    Open();
    SetText(txtIntMin, "42");
    Focus(txtIntMin);
    const HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       nullptr, nullptr);
    SetForegroundWindow(other);
    PumpUntil([&] { return GetForegroundWindow() == other; });
    form->ShowSettings();
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == dialog; }));
    EXPECT_EQ(SettingsDialog(), dialog);
    EXPECT_EQ(GetFocus(), Item(txtIntMin));
    EXPECT_EQ(Text(txtIntMin), "42");
    DestroyWindow(other);
}

TEST_F(SettingsDialogTest, ExitClosesTheDialogFirstWithoutSavingRegisteringOrAnyMessage)
{
    static std::vector<HWND> destroyed;
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
    EXPECT_TRUE(Answering([&] { form->ExitApp(); }).empty());
    UnhookWindowsHookEx(hook);

    const auto at = [&](HWND w) { return std::find(destroyed.begin(), destroyed.end(), w) - destroyed.begin(); };
    EXPECT_LT(at(dialog), at(flashWindow));
    EXPECT_LT(at(flashWindow), static_cast<std::ptrdiff_t>(destroyed.size()));
    EXPECT_EQ(SettingsDialog(), nullptr);
    EXPECT_EQ(gSettings, DefaultSettings());
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'S'));
}

TEST_F(SettingsDialogTest, ExitWhileARefusalIsShownClosesEverything)
{
    Open();
    SetText(txtIntMin, "");
    const auto boxes =
        Answering([&] { Click(cmdSave); }, [&](HWND) { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(form->Handle(), nullptr);
}
