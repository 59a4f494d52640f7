#pragma once
#include <string>

// Puts ANSI text on the clipboard, as copying it in another program would; false when
// the clipboard could not be taken.
bool PutOnClipboard(const std::string& text);
