#include "tests/e2e/driver/SettingsDialog.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Wait.h"

#include <iterator>

namespace {

POINT TopLeftInClient(HWND window, HWND client)
{
    RECT rect = RectOf(window);
    MapWindowPoints(HWND_DESKTOP, client, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top};
}

// The group box a control belongs to, if any: the ids run in tab order, each group's
// controls following its box.
std::optional<SettingsControl> GroupOf(SettingsControl id)
{
    constexpr SettingsControl groups[] = {fraMessages, fraTiming, fraLook, fraHotkeys, fraGeneral, cmdPreview};
    for (size_t i = 0; i + 1 < std::size(groups); ++i) {
        if (id > groups[i] && id < groups[i + 1])
            return groups[i];
    }
    return std::nullopt;
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
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                        ansi.data(), static_cast<int>(ansi.size()), nullptr,
                                                        nullptr)));
    return ansi;
}

void SelectAllByKeyboard()
{
    PressChord({VK_CONTROL, VK_HOME});
    PressChord({VK_CONTROL, VK_SHIFT, VK_END});
}

}  // namespace

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
    for (int i = 0; i < MessageCount(); ++i)
        messages.push_back(Message(i));
    return messages;
}

std::string SettingsDialog::Message(int index) const
{
    return ItemText(Control(lstMessages), index, LB_GETTEXTLEN, LB_GETTEXT);
}

std::string SettingsDialog::SelectedFont() const
{
    const LRESULT selected = Send(cboFont, CB_GETCURSEL);
    if (selected == CB_ERR)
        return {};
    return ItemText(Control(cboFont), static_cast<int>(selected), CB_GETLBTEXTLEN, CB_GETLBTEXT);
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
    const auto packed = static_cast<DWORD>(Send(id, EM_GETSEL));
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

std::string SettingsDialog::ChooseFirstFont() const
{
    Click(cboFont);
    PressChord({VK_HOME});
    PressChord({VK_RETURN});
    WaitUntil([&] { return Send(cboFont, CB_GETCURSEL) == 0; }, 3000);
    return SelectedFont();
}

testing::AssertionResult SettingsDialog::TypeInto(SettingsControl id, const std::string& text) const
{
    const bool pasted = text.size() > 1000 && PutOnClipboard(text);
    if (pasted) {
        PasteInto(id);
    } else {
        Click(id);
        SelectAllByKeyboard();
        if (text.empty())
            PressChord({VK_DELETE});
        TypeText(text);
    }
    // An edit box keeps no more of a paste than its limit.
    const auto shown = [&] {
        const std::string now = Text(id);
        return pasted ? now.size() > 1000 && text.starts_with(now) : now == text;
    };
    if (WaitUntil(shown, 2000))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "typed into " << id << " but it shows \"" << Text(id).substr(0, 100)
                                       << "\"; in front: \"" << TextOf(GetForegroundWindow()) << "\"";
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

void SettingsDialog::ClickOpacityBar(bool right) const
{
    const RECT bar = RectOf(Control(hsbOpacity));
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const LONG x = right ? bar.right - arrow - 3 : bar.left + arrow + 2;
    LeftClickAt({x, (bar.top + bar.bottom) / 2});
}
