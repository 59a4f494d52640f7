#include "flash/win32/frmFlash.h"

#include "tests/support/win32/Pump.h"
#include "flash/win32/tests/GdiObjectCount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

// Varies text, face, size, weight, colour and opacity so that the window and its image
// change size on almost every call. Few enough fonts that the system's font cache holds
// them all: rasterising glyphs afresh would only slow the test down.
void ShowVaried(frmFlash& flash, int i)
{
    const char* const texts[] = {"You are calm", "You are confident", "Stay focused", "Drink some water"};
    flash.ShowText(texts[i % 4], i % 7 == 0 ? "No Such Face" : "Arial", i % 3 == 0 ? 6 : 28 + i % 2 * 20,
                   i % 2 == 0, (i * 0x10101 + 0x30507) & 0xFFFFFF, i % 300, i % 3 != 0);
    if (i % 50 == 49)
        flash.HideNow();
    // Often enough that the queue stays short, rarely enough not to dominate the run time.
    if (i % 16 == 15)
        PumpMessages();
}

}  // namespace

TEST(FlashWindowResources, ManyShowsLeaveGdiObjectsAndMemoryWhereTheyWere)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    for (int i = 0; i < 100; ++i)
        ShowVaried(flash, i);
    const std::size_t objectsBefore = GdiObjectCount();
    const std::size_t memoryBefore = PrivateBytes();
    ASSERT_GT(objectsBefore, 0u) << "the GDI object count cannot be read here";
    ASSERT_GT(memoryBefore, 0u);

    // make measure asks for the full 10,000; every test run makes do with fewer, which shows
    // a per-call leak just as exactly.
    const char* const wanted = std::getenv("HALCYRA_LEAK_SHOWS");
    const int shows = wanted ? std::max(1, std::atoi(wanted)) : 2000;
    std::vector<double> milliseconds;
    for (int i = 0; i < shows; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ShowVaried(flash, i);
        const std::chrono::duration<double, std::milli> taken = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(taken.count());
    }
    const std::size_t objectsAfter = GdiObjectCount();
    const std::size_t memoryAfter = PrivateBytes();
    std::nth_element(milliseconds.begin(), milliseconds.begin() + shows / 2, milliseconds.end());
    std::cout << shows << " calls of ShowText: median " << milliseconds[shows / 2] << " ms; GDI objects "
              << objectsBefore << " -> " << objectsAfter << "; private bytes " << memoryBefore << " -> "
              << memoryAfter << "\n";

    EXPECT_EQ(objectsAfter, objectsBefore);
    // A leaked image or font per call would cost tens of megabytes; allow allocator noise.
    EXPECT_LT(memoryAfter, memoryBefore + 4 * 1024 * 1024);
}
