#include "dialog/win32/frmSettings.h"

#include <numeric>
#include <optional>
#include <span>

#include "platform/win32/Text.h"
#include "settings/Settings.h"

namespace {

// Appends entries to the list box in one go: with thousands of lines, a redraw and a
// reallocation for each one would take seconds.
void AppendEntries(HWND list, std::span<const std::string> entries)
{
    if (entries.empty())
        return;
    const std::size_t bytes = std::accumulate(entries.begin(), entries.end(), std::size_t{0},
                                              [](std::size_t sum, const std::string& e) { return sum + 2 * (e.size() + 1); });
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
    for (const std::string& entry : entries)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

LRESULT frmSettings::NewMsgBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (wParam == VK_RETURN && ctrl) {
            form_.cmdAdd_Click();
            return 0;
        }
        // A multi-line box inside a dialog closes it on Esc; this dialog ignores Esc.
        if (wParam == VK_ESCAPE)
            return 0;
        break;
    case WM_CHAR:
        // The line feed that Ctrl+Enter types would land in the box just emptied by Add.
        if ((wParam == '\n' || wParam == '\r') && ctrl)
            return 0;
        break;
    }
    return Original(message, wParam, lParam);
}

void frmSettings::FillMessages()
{
    messages_ = MessageList(gSettings.Messages);
    const HWND list = Control(lstMessages);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    AppendEntries(list, messages_.Entries());
}

void frmSettings::cmdAdd_Click()
{
    const std::string text = TextOf(txtNewMsg);
    if (RefusedOverlong(text, false))
        return;
    const std::size_t before = messages_.Entries().size();
    messages_.Add(text);
    AppendEntries(Control(lstMessages), std::span(messages_.Entries()).subspan(before));
    SetText(txtNewMsg, "");
    SetFocus(Control(txtNewMsg));
}

void frmSettings::cmdUpdate_Click()
{
    const std::string text = TextOf(txtNewMsg);
    if (!messages_.Selected() || RefusedOverlong(text, true) || !messages_.Update(text))
        return;
    const std::size_t position = *messages_.Selected();
    const HWND list = Control(lstMessages);
    SendMessageW(list, LB_DELETESTRING, position, 0);
    SendMessageW(list, LB_INSERTSTRING, position, reinterpret_cast<LPARAM>(Wide(messages_.Entries()[position]).c_str()));
    SendMessageW(list, LB_SETCURSEL, position, 0);
}

void frmSettings::cmdRemove_Click()
{
    const std::optional<std::size_t> removed = messages_.Remove();
    if (!removed)
        return;
    const HWND list = Control(lstMessages);
    SendMessageW(list, LB_DELETESTRING, *removed, 0);
    if (const std::optional<std::size_t> selected = messages_.Selected()) {
        SendMessageW(list, LB_SETCURSEL, *selected, 0);
        ShowSelected();
    } else {
        SetText(txtNewMsg, "");
    }
}

void frmSettings::lstMessages_Click()
{
    const LRESULT index = SendMessageW(Control(lstMessages), LB_GETCURSEL, 0, 0);
    messages_.Select(index == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index)));
    ShowSelected();
}

// The Delete key in the list removes the selected entry, as Remove does; the list handles
// every other key itself.
LRESULT frmSettings::lstMessages_KeyDown(int key)
{
    if (key != VK_DELETE)
        return -1;
    cmdRemove_Click();
    return -2;
}

// A message longer than the settings file keeps would be cut on the next start: refused,
// with the editor's text kept and what is too much selected.
bool frmSettings::RefusedOverlong(const std::string& text, bool firstLineOnly)
{
    const std::optional<OverlongLine> line = FindOverlongLine(text, firstLineOnly);
    if (!line)
        return false;
    const bool nameLine = !firstLineOnly && text.find('\n') != std::string::npos;
    ShowRefusal(SaveFailure{txtNewMsg, false, OverlongText(*line, nameLine)});
    if (Handle()) {
        SendMessageW(Control(txtNewMsg), EM_SETSEL, line->from, static_cast<LPARAM>(line->to));
        SendMessageW(Control(txtNewMsg), EM_SCROLLCARET, 0, 0);
    }
    return true;
}

void frmSettings::ShowSelected()
{
    if (const std::optional<std::string> text = messages_.SelectedText())
        SetText(txtNewMsg, *text);
}
