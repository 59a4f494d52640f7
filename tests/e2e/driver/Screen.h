#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What is on the X display, read with ImageMagick's import: the pixels the user sees,
// after the window manager, the colour key and the tray have done their part.

// Runs a Unix shell command line and waits until it has finished. Wine starts Unix
// programs through CreateProcess but gives no handle to wait on, so the command
// announces its end by creating a marker file.
bool RunUnixCommand(const std::string& shellCommand, DWORD timeoutMs);
// What a Unix shell command line writes to its standard output.
std::optional<std::string> UnixCommandOutput(const std::string& shellCommand, DWORD timeoutMs);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, three bytes a pixel

    COLORREF Pixel(int x, int y) const;
    bool operator==(const Image&) const = default;
};

// The pixels of a screen rectangle.
std::optional<Image> CaptureScreen(const RECT& area);
// Keeps the whole screen as e2e-evidence/<name>.png in the build folder.
void SaveEvidence(const std::string& name);
// Keeps a rectangle of the screen as evidence.
void SaveEvidence(const std::string& name, const RECT& area);
