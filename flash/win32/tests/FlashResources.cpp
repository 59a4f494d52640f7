#include "flash/win32/tests/FlashResources.h"

#include "flash/win32/frmFlash.h"
#include "tests/support/win32/Pump.h"

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>

namespace {

// Layout of one entry of the table Wine keeps in GdiSharedHandleTable; a free entry has Type 0.
struct GdiHandleEntry {
    uint64_t Object;
    uint32_t Owner;
    uint16_t Unique;
    uint8_t Type;
    uint8_t Flags;
    uint64_t UserPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t HandleTableEntries = 0x10000;
// Offset of GdiSharedHandleTable in the PEB.
constexpr std::size_t HandleTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

const GdiHandleEntry* HandleTable()
{
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return nullptr;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + HandleTableOffset);
}

std::size_t CountHandleTable()
{
    const GdiHandleEntry* table = HandleTable();
    if (!table)
        return 0;
    return static_cast<std::size_t>(
        std::count_if(table, table + HandleTableEntries, [](const GdiHandleEntry& entry) { return entry.Type != 0; }));
}

}  // namespace

std::size_t GdiObjectCount()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? reported : CountHandleTable();
}

std::size_t PrivateBytes()
{
    // PagefileUsage rather than PrivateUsage: Wine leaves the latter at 0.
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

void ShowVaried(frmFlash& flash, int i)
{
    // Few enough fonts that the system's font cache holds them all: rasterising glyphs
    // afresh would only slow the run down.
    const char* const texts[] = {"You are calm", "You are confident", "Stay focused", "Drink some water"};
    flash.ShowText(texts[i % 4], i % 7 == 0 ? "No Such Face" : "Arial", i % 3 == 0 ? 6 : 28 + i % 2 * 20,
                   i % 2 == 0, (i * 0x10101 + 0x30507) & 0xFFFFFF, i % 300, i % 3 != 0);
    if (i % 50 == 49)
        flash.HideNow();
    // Often enough that the queue stays short, rarely enough not to dominate the run time.
    if (i % 16 == 15)
        PumpMessages();
}
