#include "flash/frmFlash.h"

#include "flash/tests/FlashTestSupport.h"
#include "flash/tests/GdiObjectCount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

const std::array<std::string, 5> Texts = {"You are calm", "You are confident", "You can do this", "Stay focused",
                                          "Drink some water"};

const std::array<int32_t, 3> Sizes = {6, 28, 48};

// Varies text, face, size, weight, colour and opacity so that the window and its image
// change size on almost every call. Few enough fonts that the system's font cache holds
// them all: rasterising glyphs afresh would only slow the test down.
void ShowVaried(frmFlash& flash, int i)
{
    flash.ShowText(Texts[i % Texts.size()], i % 7 == 0 ? "No Such Face" : "Arial", Sizes[i % Sizes.size()],
                   i % 2 == 0, (i * 0x10101 + 0x30507) & 0xFFFFFF, i % 300, i % 3 != 0);
}

void BetweenShows(frmFlash& flash, int i)
{
    if (i % 50 == 49)
        flash.HideNow();
    // Often enough that the queue stays short, rarely enough not to dominate the run time.
    if (i % 16 == 15)
        PumpMessages();
}

// make measure asks for the full 10,000; every test run makes do with fewer, which shows a
// per-call leak just as exactly.
int ShowCount()
{
    const char* wanted = std::getenv("HALCYRA_LEAK_SHOWS");
    return wanted ? std::max(1, std::atoi(wanted)) : 2000;
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

TEST(FlashWindowResources, ManyShowsLeaveGdiObjectsAndMemoryWhereTheyWere)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    for (int i = 0; i < 100; ++i) {
        ShowVaried(flash, i);
        BetweenShows(flash, i);
    }
    const std::size_t objectsBefore = GdiObjectCount();
    const std::size_t memoryBefore = PrivateBytes();
    ASSERT_GT(objectsBefore, 0u) << "the GDI object count cannot be read here";
    ASSERT_GT(memoryBefore, 0u);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> milliseconds;
    const int shows = ShowCount();
    milliseconds.reserve(shows);
    for (int i = 0; i < shows; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        ShowVaried(flash, i);
        QueryPerformanceCounter(&end);
        BetweenShows(flash, i);
        milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
    }
    const std::size_t objectsAfter = GdiObjectCount();
    const std::size_t memoryAfter = PrivateBytes();
    std::cout << shows << " calls of ShowText: median " << Median(milliseconds) << " ms; GDI objects "
              << objectsBefore << " -> " << objectsAfter << "; private bytes " << memoryBefore << " -> "
              << memoryAfter << "\n";

    EXPECT_EQ(objectsAfter, objectsBefore);
    // A leaked image or font per call would cost tens of megabytes; allow allocator noise.
    EXPECT_LT(memoryAfter, memoryBefore + 4 * 1024 * 1024);
}
