#include "dialog/frmSettings.h"

#include "dialog/PickColor.h"
#include "dialog/tests/DialogHarness.h"
#include "settings/Settings.h"

#include <colordlg.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

void PutOnClipboard(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);  // the clipboard owns it from here
    CloseClipboard();
}

template <typename Step>
long long Milliseconds(Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

COLORREF SwatchPixel(HWND swatch)
{
    UpdateWindow(swatch);
    const HDC dc = GetDC(swatch);
    const COLORREF pixel = GetPixel(dc, 20, 11);
    ReleaseDC(swatch, dc);
    return pixel;
}

}  // namespace

TEST_F(SettingsDialogTest, MessageListEditsWithItsButtonsCtrlEnterAndTheDeleteKey)
{
    gSettings.Messages = {"first"};
    Open();
    Focus(txtNewMsg);
    SetText(txtNewMsg, "You are calm\r\n\r\n  Breathe  \r\n");
    PressKeys({VK_CONTROL, VK_RETURN});
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"first", "You are calm", "Breathe"}));
    EXPECT_EQ(Text(txtNewMsg), "");
    SetText(txtNewMsg, "a\rb");
    PressKeys({VK_CONTROL, VK_SHIFT, VK_RETURN});
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"first", "You are calm", "Breathe", "ab"}));
    EXPECT_EQ(Text(txtNewMsg), "");
    EXPECT_EQ(GetFocus(), Item(txtNewMsg));
    PressKeys({VK_DELETE});
    EXPECT_EQ(ListEntries().size(), 4u);

    Focus(lstMessages);
    PressKeys({VK_HOME});
    PressKeys({VK_DOWN});
    EXPECT_EQ(Text(txtNewMsg), "You are calm");
    SetText(txtNewMsg, "  new  \r\nsecond");
    Click(cmdUpdate);
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"first", "new", "Breathe", "ab"}));
    SetText(txtNewMsg, "   ");
    Click(cmdUpdate);
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"first", "new", "Breathe", "ab"}));

    Focus(lstMessages);
    PressKeys({VK_END});
    PressKeys({VK_DELETE});
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"first", "new", "Breathe"}));
    EXPECT_EQ(ListSelection(), 2);
    EXPECT_EQ(Text(txtNewMsg), "Breathe");
    PressKeys({VK_HOME});
    Click(cmdRemove);
    EXPECT_EQ(ListSelection(), 0);
    EXPECT_EQ(Text(txtNewMsg), "new");
    Click(cmdRemove);
    Click(cmdRemove);
    Click(cmdRemove);
    EXPECT_TRUE(ListEntries().empty());
    EXPECT_EQ(Text(txtNewMsg), "");

    Click(cmdSave);
    EXPECT_TRUE(gSettings.Messages.empty());
}

TEST_F(SettingsDialogTest, TwentyThousandPastedLinesAreAddedSavedAndShownAgainWithinASecondEach)
{
    constexpr int kLines = 20000;
    std::string pasted;
    for (int i = 0; i < kLines; ++i)
        pasted += "Message number " + std::to_string(i) + "\r\n";
    gSettings.Messages.clear();
    Open();
    PutOnClipboard(pasted);
    Focus(txtNewMsg);
    PressKeys({VK_CONTROL, 'V'});
    ASSERT_EQ(Text(txtNewMsg).size(), pasted.size());

    const long long addMs = Milliseconds([&] { Click(cmdAdd); });
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0), kLines);
    const long long saveMs = Milliseconds([&] { Click(cmdSave); });
    ASSERT_EQ(gSettings.Messages.size(), static_cast<std::size_t>(kLines));
    EXPECT_EQ(gSettings.Messages.back(), "Message number 19999");
    const long long openMs = Milliseconds([&] { Open(); });
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0), kLines);

    std::printf("20,000 lines: add %lld ms, save %lld ms, open %lld ms\n", addMs, saveMs, openMs);
    EXPECT_LT(addMs, 1000);
    EXPECT_LT(saveMs, 1000);
    EXPECT_LT(openMs, 1000);
}

TEST_F(SettingsDialogTest, CaptureBoxesTakeCombinationsFromRealKeysAndNeverChangeOnTyping)
{
    Open();
    const HWND box = Item(txtHkStart);
    Focus(txtHkStart);
    PressKeys({'A'});
    PressKeys({VK_RETURN});
    SendMessageA(box, WM_CHAR, 'x', 0);
    PutOnClipboard("pasted");
    PressKeys({VK_CONTROL, 'V'});
    EXPECT_EQ(Text(txtHkStart), "Ctrl+V");
    SendMessageA(box, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(txtHkStart), "Ctrl+V");

    PressKeys({VK_MENU, 'K'});
    EXPECT_EQ(Text(txtHkStart), "Alt+K");
    PressKeys({VK_F9});
    EXPECT_EQ(Text(txtHkStart), "F9");
    PressKeys({VK_CONTROL, VK_TAB});
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Tab");
    EXPECT_EQ(GetFocus(), box);
    {
        const HeldKey win(VK_LWIN);  // its state is read when the main key arrives, not queued with it
        PressKeys({VK_SHIFT, 'F'});
        EXPECT_EQ(Text(txtHkStart), "Win+Shift+F");
    }
    PressKeys({VK_BACK});
    EXPECT_EQ(Text(txtHkStart), "(none)");
    PressKeys({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Alt+S");
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdClrStart));

    Focus(txtHkStop);
    PressKeys({VK_SCROLL});
    Click(cmdClrStart);
    EXPECT_EQ(Text(txtHkStart), "(none)");
    Click(cmdSave);
    EXPECT_EQ(gSettings.StartMod, 0);
    EXPECT_EQ(gSettings.StartKey, 0);
    EXPECT_EQ(gSettings.StopMod, 0);
    EXPECT_EQ(gSettings.StopKey, VK_SCROLL);
}

TEST_F(SettingsDialogTest, FontListAndOpacityBarFollowTheirRules)
{
    gSettings.FontName = "no such face";
    gSettings.Opacity = 128;
    Open();
    const HWND fonts = Item(cboFont);
    EXPECT_EQ(GetWindowLongA(fonts, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    const LRESULT count = SendMessageA(fonts, CB_GETCOUNT, 0, 0);
    ASSERT_GT(count, 1);
    EXPECT_EQ(SendMessageA(fonts, CB_GETCURSEL, 0, 0), 0);
    std::vector<std::string> names;
    for (LRESULT i = 0; i < count; ++i) {
        char name[LF_FACESIZE] = {};
        SendMessageA(fonts, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        if (i > 0) {
            EXPECT_LT(_stricmp(names.back().c_str(), name), 0) << names.back() << " before " << name;
        }
        EXPECT_NE(name[0], '@') << name;
        names.emplace_back(name);
    }

    EXPECT_EQ(Text(lblOpacity), "50%");
    Focus(hsbOpacity);
    const auto press = [&](WORD key) {
        PressKeys({key});
        return std::make_pair(GetScrollPos(Item(hsbOpacity), SB_CTL), Text(lblOpacity));
    };
    EXPECT_EQ(press(VK_RIGHT), std::make_pair(129, std::string("51%")));
    EXPECT_EQ(press(VK_NEXT), std::make_pair(145, std::string("57%")));
    EXPECT_EQ(press(VK_END), std::make_pair(255, std::string("100%")));
    EXPECT_EQ(press(VK_RIGHT), std::make_pair(255, std::string("100%")));
    EXPECT_EQ(press(VK_PRIOR), std::make_pair(239, std::string("94%")));
    EXPECT_EQ(press(VK_HOME), std::make_pair(10, std::string("4%")));
    EXPECT_EQ(press(VK_LEFT), std::make_pair(10, std::string("4%")));

    Click(cmdSave);
    EXPECT_EQ(gSettings.FontName, names.front());
    EXPECT_EQ(gSettings.Opacity, 10);
}

TEST_F(SettingsDialogTest, DraggingTheOpacityThumbUpdatesThePercentageWhileDragging)
{
    gSettings.Opacity = 10;
    Open();
    const HWND bar = Item(hsbOpacity);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info));
    POINT grip{(info.xyThumbTop + info.xyThumbBottom) / 2, 8};
    ClientToScreen(bar, &grip);

    static std::string labelWhileDragging;
    static HWND label;
    labelWhileDragging.clear();
    label = Item(lblOpacity);
    const auto mouse = [](LONG x, LONG y, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = static_cast<LONG>((y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof input);
    };
    mouse(grip.x, grip.y, 0);
    mouse(grip.x, grip.y, MOUSEEVENTF_LEFTDOWN);
    mouse(grip.x + 60, grip.y, 0);
    // The bar tracks the thumb in a loop of its own; a thread timer still runs inside it.
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        labelWhileDragging = WindowText(label);
        INPUT up{};
        up.type = INPUT_MOUSE;
        up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &up, sizeof up);
    });
    ASSERT_TRUE(PumpUntil([] { return !labelWhileDragging.empty() && GetKeyState(VK_LBUTTON) >= 0; }));
    EXPECT_NE(labelWhileDragging, "4%");
    EXPECT_GT(GetScrollPos(bar, SB_CTL), 10);
    EXPECT_EQ(Text(lblOpacity), labelWhileDragging);
}

TEST_F(SettingsDialogTest, TheColourChooserStartsFromTheSwatchAndKeepsItsCustomColoursForTheProcess)
{
    std::fill(std::begin(CustomColors), std::end(CustomColors), 0);
    gSettings.Color = RGB(0x99, 0x66, 0x33);
    Open();
    {
        ModalResponder chooser([](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
        Click(picColor);
        ASSERT_EQ(chooser.seen.size(), 1u);
    }
    EXPECT_EQ(SwatchPixel(Item(picColor)), RGB(0x99, 0x66, 0x33));
    {
        // Take a new colour and keep it as the first custom colour too.
        ModalResponder chooser([](HWND box) {
            SetDlgItemInt(box, COLOR_RED, 200, FALSE);
            SetDlgItemInt(box, COLOR_GREEN, 100, FALSE);
            SetDlgItemInt(box, COLOR_BLUE, 50, FALSE);
            SendDlgItemMessageA(box, COLOR_ADD, BM_CLICK, 0, 0);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        Click(picColor);
    }
    EXPECT_EQ(CustomColors[0], RGB(200, 100, 50));
    EXPECT_EQ(SwatchPixel(Item(picColor)), RGB(200, 100, 50));
    Click(cmdCancel);
    EXPECT_EQ(gSettings.Color, RGB(0x99, 0x66, 0x33));

    Open();
    {
        ModalResponder chooser([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        Click(picColor);
    }
    EXPECT_EQ(CustomColors[0], RGB(200, 100, 50));
    Click(cmdSave);
    EXPECT_EQ(gSettings.Color, RGB(0x99, 0x66, 0x33));
}

TEST_F(SettingsDialogTest, PreviewFlashesWithTheUnsavedValuesAndChangesNothing)
{
    gSettings.Messages.clear();
    const Settings before = gSettings;
    Open();
    SetText(txtDuration, "5");
    SetText(txtSizeMin, "abc");
    ModalResponder boxes;
    Click(cmdPreview);
    EXPECT_TRUE(IsWindowVisible(flash.Handle()));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(flash.Handle()); }, 1000));
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Text(txtSizeMin), "abc");
    EXPECT_EQ(gSettings, before);
}
