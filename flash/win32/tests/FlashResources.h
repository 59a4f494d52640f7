#pragma once
// What the leak test and make measure's benchmark share.
#include "flash/win32/frmFlash.h"
#include "tests/support/win32/Pump.h"

#include <psapi.h>
#include <winternl.h>

// The number of GDI objects the process holds. Windows answers GetGuiResources; under Wine
// that is a stub returning 0, so there the live entries of the process's GDI handle table
// (reachable from the PEB) are counted instead.
inline std::size_t GdiObjectCount() {
    if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return reported;
    PROCESS_BASIC_INFORMATION basic{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr);
    // Wine's GdiSharedHandleTable, at 0xF8 in the 64-bit PEB: 0x10000 entries of 24 bytes,
    // each with its object's type at byte 14, 0 for a free entry.
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const BYTE* table = peb ? *reinterpret_cast<const BYTE* const*>(peb + 0xF8) : nullptr;
    std::size_t live = 0;
    for (std::size_t entry = 0; table && entry < 0x10000; ++entry)
        live += table[entry * 24 + 14] != 0;
    return live;
}

// The process's private memory in bytes.
inline std::size_t PrivateBytes() {
    // PagefileUsage rather than PrivateUsage: Wine leaves the latter at 0.
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// The i-th of a series of shows that varies text, face, size, weight, colour and opacity,
// so that the window and its image change size on almost every call, breaks a long text into
// lines now and then, and hides now and then.
inline void ShowVaried(frmFlash& flash, int i) {
    // Few enough fonts that the system's font cache holds them all: rasterising glyphs
    // afresh would only slow the run down.
    const char* const texts[] = {"You are calm", "You are confident", "Stay focused", "Drink some water",
                                 "A message too long for one line of the screen, which is broken into several "
                                 "lines that are centred under one another, all of them inside the screen"};
    if (flash.PrepareText(texts[i % 5], i % 7 == 0 ? "No Such Face" : "Arial", i % 3 == 0 ? 6 : 28 + i % 2 * 20,
                          i % 2 == 0, (i * 0x10101 + 0x30507) & 0xFFFFFF, i % 300, i % 3 != 0))
        flash.ShowPrepared();
    if (i % 50 == 49)
        flash.HideNow();
    // Often enough that the queue stays short, rarely enough not to dominate the run time.
    if (i % 16 == 15)
        PumpMessages();
}
