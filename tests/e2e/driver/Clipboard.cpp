#include "tests/e2e/driver/Clipboard.h"

#include "tests/e2e/driver/Wait.h"

#include <windows.h>

#include <cstring>

namespace {

// Open for as long as the object lives; another process may hold it for a moment.
class OpenedClipboard {
public:
    OpenedClipboard() : open_(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) {}
    ~OpenedClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool PutOnClipboard(const std::string& text)
{
    const OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_TEXT, memory))
        return true;
    GlobalFree(memory);
    return false;
}
