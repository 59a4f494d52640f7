#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What is on the X display, read with ImageMagick's import: the pixels the user sees,
// after the window manager, the colour key and the tray have done their part.

// What a Unix shell command line writes to its standard output.
std::optional<std::string> UnixCommandOutput(const std::string& shellCommand, DWORD timeoutMs);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, three bytes a pixel

    int Count(COLORREF colour) const;
    bool operator==(const Image&) const = default;
};

// The pixels of a screen rectangle.
std::optional<Image> CaptureScreen(const RECT& area);
// Keeps the screen, or a rectangle of it, as e2e-evidence/<name>.png in the build folder.
void SaveEvidence(const std::string& name, const std::optional<RECT>& area = std::nullopt);
