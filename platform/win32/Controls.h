#pragma once
#include <windows.h>

#include <string>

// The text and check state of standard controls, read and set the way every one of them
// answers, also across processes.
std::string TextOf(HWND control);
void SetText(HWND control, const std::string& text);
// Only the plain checked state counts; nothing here is ever indeterminate.
bool IsChecked(HWND control);
void SetChecked(HWND control, bool checked);

// The program's one kind of warning: a box titled "Halcyra" with the exclamation icon and
// an OK button, returning when it has been dismissed.
void ShowWarning(HWND owner, const std::string& text);
