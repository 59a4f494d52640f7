#include "dialog/frmSettings.h"

#include "dialog/PickColor.h"
#include "dialog/tests/DialogHarness.h"
#include "settings/Settings.h"

#include <colordlg.h>

#include <chrono>
#include <cstdio>

namespace {

using Entries = std::vector<std::string>;

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

void Mouse(DWORD flags, POINT at = {})
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((at.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = static_cast<LONG>((at.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

TEST_F(SettingsDialogTest, MessageListEditsWithItsButtonsCtrlEnterAndTheDeleteKey)
{
    gSettings.Messages = {"first"};
    Open();
    Focus(txtNewMsg);
    SetText(txtNewMsg, "You are calm\r\n\r\n  Breathe  \r\n");
    PressKeys({VK_CONTROL, VK_RETURN});
    SetText(txtNewMsg, "a\rb");
    PressKeys({VK_CONTROL, VK_SHIFT, VK_RETURN});
    EXPECT_EQ(ListEntries(), (Entries{"first", "You are calm", "Breathe", "ab"}));
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
    EXPECT_EQ(ListEntries(), (Entries{"first", "new", "Breathe", "ab"}));

    Focus(lstMessages);
    PressKeys({VK_END});
    PressKeys({VK_DELETE});
    EXPECT_EQ(ListEntries(), (Entries{"first", "new", "Breathe"}));
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(txtNewMsg), "Breathe");
    PressKeys({VK_HOME});
    Click(cmdRemove);
    EXPECT_EQ(Text(txtNewMsg), "new");
    Click(cmdRemove);
    Click(cmdRemove);
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
    const long long openMs = Milliseconds([&] { form->ShowSettings(); });  // creates and fills it
    dialog = SettingsDialog();
    EXPECT_EQ(SendMessageA(Item(lstMessages), LB_GETCOUNT, 0, 0), kLines);
    std::printf("20,000 lines: add %lld ms, save %lld ms, open %lld ms\n", addMs, saveMs, openMs);
    EXPECT_LT(std::max({addMs, saveMs, openMs}), 1000);
}

TEST_F(SettingsDialogTest, CaptureBoxesTakeCombinationsFromRealKeysAndNeverChangeOnTyping)
{
    Open();
    const HWND box = Item(txtHkStart);
    Focus(txtHkStart);
    PressKeys({'A'});
    PressKeys({VK_RETURN});
    SendMessageA(box, WM_CHAR, 'x', 0);
    SendMessageA(box, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(txtHkStart), "Ctrl+Alt+S");

    const std::pair<std::vector<WORD>, const char*> presses[] = {
        {{VK_MENU, 'K'}, "Alt+K"}, {{VK_F9}, "F9"}, {{VK_CONTROL, VK_TAB}, "Ctrl+Tab"},
        {{VK_BACK}, "(none)"},     {{VK_CONTROL, 'V'}, "Ctrl+V"},
    };
    for (const auto& [chord, shown] : presses) {
        PressKeys(chord);
        EXPECT_EQ(Text(txtHkStart), shown);
    }
    {
        const HeldKey win(VK_LWIN);  // its state is read when the main key arrives, not queued with it
        PressKeys({VK_SHIFT, 'F'});
    }
    EXPECT_EQ(Text(txtHkStart), "Win+Shift+F");
    EXPECT_EQ(GetFocus(), box);
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), Item(cmdClrStart));

    Focus(txtHkStop);
    PressKeys({VK_SCROLL});
    Click(cmdClrStop);
    EXPECT_EQ(Text(txtHkStop), "(none)");
    Click(cmdSave);
    EXPECT_EQ(std::make_pair(gSettings.StartMod, gSettings.StartKey), std::make_pair(12, int32_t{'F'}));
    EXPECT_EQ(std::make_pair(gSettings.StopMod, gSettings.StopKey), std::make_pair(0, 0));
}

TEST_F(SettingsDialogTest, FontListAndOpacityBarFollowTheirRules)
{
    gSettings.FontName = "no such face";
    gSettings.Opacity = 128;
    Open();
    const HWND fonts = Item(cboFont);
    EXPECT_EQ(GetWindowLongA(fonts, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(fonts, CB_GETCURSEL, 0, 0), 0);
    Entries names;
    for (LRESULT i = 0; i < SendMessageA(fonts, CB_GETCOUNT, 0, 0); ++i) {
        char name[LF_FACESIZE] = {};
        SendMessageA(fonts, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        if (!names.empty()) {
            EXPECT_LT(_stricmp(names.back().c_str(), name), 0) << names.back() << " before " << name;
        }
        EXPECT_NE(name[0], '@') << name;
        names.emplace_back(name);
    }
    ASSERT_GT(names.size(), 1u);

    EXPECT_EQ(Text(lblOpacity), "50%");
    Focus(hsbOpacity);
    const std::pair<WORD, std::pair<int, const char*>> steps[] = {
        {VK_RIGHT, {129, "51%"}}, {VK_NEXT, {145, "57%"}}, {VK_END, {255, "100%"}}, {VK_RIGHT, {255, "100%"}},
        {VK_PRIOR, {239, "94%"}}, {VK_HOME, {10, "4%"}},   {VK_LEFT, {10, "4%"}},
    };
    for (const auto& [key, expected] : steps) {
        PressKeys({key});
        EXPECT_EQ(GetScrollPos(Item(hsbOpacity), SB_CTL), expected.first);
        EXPECT_EQ(Text(lblOpacity), expected.second);
    }
    Click(cmdSave);
    EXPECT_EQ(gSettings.FontName, names.front());
    EXPECT_EQ(gSettings.Opacity, 10);
}

TEST_F(SettingsDialogTest, DraggingTheOpacityThumbUpdatesThePercentageWhileDragging)
{
    gSettings.Opacity = 10;
    Open();
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(Item(hsbOpacity), OBJID_CLIENT, &info));
    POINT grip{(info.xyThumbTop + info.xyThumbBottom) / 2, 8};
    ClientToScreen(Item(hsbOpacity), &grip);
    constexpr DWORD kMoveTo = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Mouse(kMoveTo, grip);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(kMoveTo, {grip.x + 60, grip.y});
    // The bar follows the thumb in a loop of its own; a thread timer still runs inside it.
    static std::string labelWhileDragging;
    static HWND label;
    labelWhileDragging.clear();
    label = Item(lblOpacity);
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        labelWhileDragging = WindowText(label);
        Mouse(MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(PumpUntil([] { return !labelWhileDragging.empty() && GetKeyState(VK_LBUTTON) >= 0; }));
    EXPECT_NE(labelWhileDragging, "4%");
    EXPECT_EQ(Text(lblOpacity), labelWhileDragging);
}

TEST_F(SettingsDialogTest, TheColourChooserStartsFromTheSwatchAndKeepsItsCustomColoursForTheProcess)
{
    std::fill(std::begin(CustomColors), std::end(CustomColors), 0);
    gSettings.Color = RGB(0x99, 0x66, 0x33);
    Open();
    ASSERT_EQ(Answering([&] { Click(picColor); }, [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); }).size(),
              1u);
    EXPECT_EQ(PixelOf(Item(picColor), 20, 10), RGB(0x99, 0x66, 0x33));
    Answering([&] { Click(picColor); },
              [](HWND box) {
                  SetDlgItemInt(box, COLOR_RED, 200, FALSE);
                  SetDlgItemInt(box, COLOR_GREEN, 100, FALSE);
                  SetDlgItemInt(box, COLOR_BLUE, 50, FALSE);
                  SendDlgItemMessageA(box, COLOR_ADD, BM_CLICK, 0, 0);
                  PostMessageA(box, WM_COMMAND, IDOK, 0);
              });
    EXPECT_EQ(CustomColors[0], RGB(200, 100, 50));
    EXPECT_EQ(PixelOf(Item(picColor), 20, 10), RGB(200, 100, 50));
    Click(cmdCancel);
    EXPECT_EQ(gSettings.Color, RGB(0x99, 0x66, 0x33));

    Open();
    Answering([&] { Click(picColor); });
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
    EXPECT_TRUE(Answering([&] { Click(cmdPreview); }).empty());
    EXPECT_TRUE(IsWindowVisible(flash.Handle()));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(flash.Handle()); }, 1000));
    EXPECT_EQ(Text(txtSizeMin), "abc");
    EXPECT_EQ(gSettings, before);
}
