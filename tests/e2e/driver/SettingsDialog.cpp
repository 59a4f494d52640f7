#include "tests/e2e/driver/SettingsDialog.h"

#include "tests/e2e/driver/Focus.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Tray.h"
#include "tests/e2e/driver/Wait.h"

#include <iterator>

namespace {

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

std::string AnsiOf(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

POINT TopLeftInClient(HWND window, HWND client)
{
    RECT rect = RectOf(window);
    MapWindowPoints(HWND_DESKTOP, client, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top};
}

// The text of one entry of a list box or of a combo box's list. Asked in UTF-16: Wine
// hands another process these texts in UTF-16 even when they are asked for in ANSI,
// which would overrun a buffer sized in ANSI characters.
std::string ItemText(HWND control, int index, UINT lengthMessage, UINT textMessage)
{
    const LRESULT length = SendMessageW(control, lengthMessage, index, 0);
    if (length < 0)
        return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(control, textMessage, index, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return AnsiOf(wide);
}

struct DialogSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassOf(window) == kSettingsWindowClass)
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> SettingsDialogsOf(DWORD processId)
{
    DialogSearch search{processId, {}};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

POINT RightArrowOf(HWND bar)
{
    const RECT rect = RectOf(bar);
    return {rect.right - GetSystemMetrics(SM_CXHSCROLL) / 2 - 1, (rect.top + rect.bottom) / 2};
}

POINT LeftTroughOf(HWND bar)
{
    const RECT rect = RectOf(bar);
    return {rect.left + GetSystemMetrics(SM_CXHSCROLL) + 2, (rect.top + rect.bottom) / 2};
}

POINT RightTroughOf(HWND bar)
{
    const RECT rect = RectOf(bar);
    return {rect.right - GetSystemMetrics(SM_CXHSCROLL) - 3, (rect.top + rect.bottom) / 2};
}

std::optional<SettingsControl> GroupOf(SettingsControl id)
{
    constexpr SettingsControl groups[] = {fraMessages, fraTiming, fraLook, fraHotkeys, fraGeneral, cmdPreview};
    for (size_t i = 0; i + 1 < std::size(groups); ++i) {
        if (id > groups[i] && id < groups[i + 1])
            return groups[i];
    }
    return std::nullopt;
}

HWND FindSettingsDialog(DWORD processId)
{
    for (HWND window : SettingsDialogsOf(processId)) {
        if (IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

int CountSettingsDialogs(DWORD processId) { return static_cast<int>(SettingsDialogsOf(processId).size()); }

HWND SettingsDialog::Control(SettingsControl id) const
{
    ChildSearch search{id, nullptr};
    EnumChildWindows(window_, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string SettingsDialog::Text(SettingsControl id) const { return ContentOf(Control(id)); }

RECT SettingsDialog::Placement(SettingsControl id) const
{
    const HWND control = Control(id);
    const RECT screen = RectOf(control);
    POINT at = TopLeftInClient(control, window_);
    if (const auto group = GroupOf(id)) {
        const POINT origin = TopLeftInClient(Control(*group), window_);
        at = {at.x - origin.x, at.y - origin.y};
    }
    return {at.x, at.y, at.x + screen.right - screen.left, at.y + screen.bottom - screen.top};
}

std::vector<std::string> SettingsDialog::Messages() const
{
    std::vector<std::string> messages;
    const int count = MessageCount();
    messages.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        messages.push_back(Message(i));
    return messages;
}

std::string SettingsDialog::Message(int index) const
{
    return ItemText(Control(lstMessages), index, LB_GETTEXTLEN, LB_GETTEXT);
}

int SettingsDialog::MessageCount() const
{
    return static_cast<int>(SendMessageA(Control(lstMessages), LB_GETCOUNT, 0, 0));
}

std::optional<int> SettingsDialog::SelectedMessage() const
{
    const LRESULT selected = SendMessageA(Control(lstMessages), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return std::nullopt;
    return static_cast<int>(selected);
}

std::string SettingsDialog::SelectedFont() const
{
    const HWND combo = Control(cboFont);
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return {};
    return ItemText(combo, static_cast<int>(selected), CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> SettingsDialog::Fonts() const
{
    const HWND combo = Control(cboFont);
    std::vector<std::string> fonts;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        fonts.push_back(ItemText(combo, i, CB_GETLBTEXTLEN, CB_GETLBTEXT));
    return fonts;
}

bool SettingsDialog::IsChecked(SettingsControl id) const
{
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int SettingsDialog::OpacityPosition() const
{
    return static_cast<int>(SendMessageA(Control(hsbOpacity), SBM_GETPOS, 0, 0));
}

std::optional<SettingsControl> SettingsDialog::Focused() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) || !info.hwndFocus ||
        !IsChild(window_, info.hwndFocus))
        return std::nullopt;
    return static_cast<SettingsControl>(GetDlgCtrlID(info.hwndFocus));
}

std::pair<int, int> SettingsDialog::Selection(SettingsControl id) const
{
    const auto packed = static_cast<DWORD>(SendMessageA(Control(id), EM_GETSEL, 0, 0));
    return {LOWORD(packed), HIWORD(packed)};
}

bool SettingsDialog::BringToFront() const
{
    const auto inFront = [&] { return GetForegroundWindow() == window_; };
    if (!WaitUntil(inFront, 500)) {
        // Between Preview and Save: no control there.
        POINT empty = {200, 454};
        ClientToScreen(window_, &empty);
        LeftClickAt(empty);
        if (!WaitUntil(inFront, 3000))
            return false;
    }
    // Injected clicks do not pass through the window manager, which may keep the X focus
    // elsewhere; keys still reach the dialog, so this only settles.
    WaitForKeyboard(window_, 500);
    return true;
}

void SettingsDialog::Click(SettingsControl id) const { LeftClickAt(CentreOf(Control(id))); }

void SettingsDialog::ClickMessage(int index) const
{
    const HWND list = Control(lstMessages);
    const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT at = {8, (index - top) * height + height / 2};
    ClientToScreen(list, &at);
    LeftClickAt(at);
}

namespace {

void SelectAllByKeyboard()
{
    PressChord({VK_CONTROL, VK_HOME});
    PressChord({VK_CONTROL, VK_SHIFT, VK_END});
}

}  // namespace

testing::AssertionResult SettingsDialog::TypeInto(SettingsControl id, const std::string& text) const
{
    Click(id);
    SelectAllByKeyboard();
    if (text.empty())
        PressChord({VK_DELETE});
    else
        TypeText(text);
    if (WaitForText(id, text, 2000))
        return testing::AssertionSuccess();
    const auto focused = Focused();
    return testing::AssertionFailure() << "typed \"" << text << "\" into " << id << " but it shows \"" << Text(id)
                                       << "\"; focus on " << (focused ? *focused : 0) << ", in front: \""
                                       << TextOf(GetForegroundWindow()) << "\"";
}

void SettingsDialog::PasteInto(SettingsControl id) const
{
    Click(id);
    SelectAllByKeyboard();
    PressChord({VK_CONTROL, 'V'});
}

bool SettingsDialog::WaitForText(SettingsControl id, const std::string& text, DWORD timeoutMs) const
{
    return WaitUntil([&] { return Text(id) == text; }, timeoutMs);
}
