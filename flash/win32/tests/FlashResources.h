#pragma once
#include <cstddef>

class frmFlash;

// What the leak test and make measure's benchmark share.

// The number of GDI objects the process holds. Windows answers GetGuiResources; under Wine
// that is a stub returning 0, so there the live entries of the process's GDI handle table
// (reachable from the PEB) are counted instead.
std::size_t GdiObjectCount();

// The process's private memory in bytes.
std::size_t PrivateBytes();

// The i-th of a series of shows that varies text, face, size, weight, colour and opacity,
// so that the window and its image change size on almost every call, and hides now and then.
void ShowVaried(frmFlash& flash, int i);
