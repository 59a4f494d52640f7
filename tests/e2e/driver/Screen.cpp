#include "tests/e2e/driver/Screen.h"

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Options.h"
#include "tests/e2e/driver/Wait.h"

#include "platform/win32/Handles.h"

#include <filesystem>

namespace {

std::string Quoted(const std::string& unixPath) { return "'" + unixPath + "'"; }

std::string UniqueUnixPath(const std::string& suffix)
{
    static int counter = 0;
    return Options().evidenceDir + "/.capture-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter) + suffix;
}

std::string CropOption(const RECT& area)
{
    return " -crop " + std::to_string(area.right - area.left) + "x" + std::to_string(area.bottom - area.top) + "+" +
           std::to_string(area.left) + "+" + std::to_string(area.top) + " +repage";
}

// Runs a Unix shell command line and waits until it has finished. Wine starts Unix
// programs through CreateProcess but gives no handle to wait on, so the command
// announces its end by creating a marker file.
bool RunUnixCommand(const std::string& shellCommand, DWORD timeoutMs)
{
    std::filesystem::create_directories(WindowsPathOfUnix(Options().evidenceDir));
    const std::string marker = UniqueUnixPath(".done");
    std::string commandLine = "/bin/sh -c \"" + shellCommand + "; touch " + Quoted(marker) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    if (info.hProcess)
        CloseHandle(info.hProcess);
    if (info.hThread)
        CloseHandle(info.hThread);
    const std::string markerPath = WindowsPathOfUnix(marker);
    const bool finished = WaitUntil([&] { return std::filesystem::exists(markerPath); }, timeoutMs);
    DeleteFileA(markerPath.c_str());
    return finished;
}

}  // namespace

int Image::Count(COLORREF colour) const
{
    int count = 0;
    for (size_t at = 0; at + 2 < rgb.size(); at += 3)
        count += RGB(rgb[at], rgb[at + 1], rgb[at + 2]) == colour;
    return count;
}

std::optional<std::string> UnixCommandOutput(const std::string& shellCommand, DWORD timeoutMs)
{
    const std::string file = UniqueUnixPath(".out");
    if (!RunUnixCommand(shellCommand + " > " + Quoted(file), timeoutMs))
        return std::nullopt;
    const std::string path = WindowsPathOfUnix(file);
    auto output = ReadFileBytes(path);
    DeleteFileA(path.c_str());
    return output;
}

std::optional<Image> CaptureScreen(const RECT& area)
{
    const auto bytes = UnixCommandOutput("import -window root" + CropOption(area) + " -depth 8 rgb:-", 10000);
    const auto size = static_cast<size_t>(area.right - area.left) * (area.bottom - area.top) * 3;
    if (!bytes || bytes->size() != size)
        return std::nullopt;
    return Image{std::vector<uint8_t>(bytes->begin(), bytes->end())};
}

void SaveEvidence(const std::string& name, const std::optional<RECT>& area)
{
    RunUnixCommand("import -window root" + (area ? CropOption(*area) : "") + " " +
                       Quoted(Options().evidenceDir + "/" + name + ".png"),
                   10000);
}

double NowMs()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::vector<FlashSighting> WatchFlashes(HWND flash, DWORD forMs)
{
    std::vector<FlashSighting> sightings;
    const double end = NowMs() + forMs;
    bool showing = false;
    for (double now = NowMs(); now < end; now = NowMs()) {
        const bool visible = IsWindowVisible(flash);
        if (visible && !showing) {
            FlashSighting& seen = sightings.emplace_back();
            seen.shownMs = now;
            GetWindowRect(flash, &seen.rect);
            seen.exStyle = GetWindowLongA(flash, GWL_EXSTYLE);
            GetLayeredWindowAttributes(flash, &seen.colourKey, &seen.alpha, &seen.layeredFlags);
        }
        if (!visible && showing)
            sightings.back().hiddenMs = now;
        showing = visible;
        Sleep(1);
    }
    return sightings;
}

SIZE TextExtent(const std::string& text, const std::string& face, int points, bool bold)
{
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    LOGFONTA font = {};
    font.lfHeight = -(points * GetDeviceCaps(dc.get(), LOGPIXELSY) / 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = NONANTIALIASED_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    const UniqueFont handle(CreateFontIndirectA(&font));
    const HGDIOBJ previous = SelectObject(dc.get(), handle.get());
    SIZE extent = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc.get(), previous);
    return extent;
}
