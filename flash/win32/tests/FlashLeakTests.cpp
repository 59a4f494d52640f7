#include "flash/win32/frmFlash.h"

#include "flash/win32/tests/FlashResources.h"

#include <gtest/gtest.h>

TEST(FlashWindowResources, ManyShowsLeaveGdiObjectsAndMemoryWhereTheyWere)
{
    frmFlash flash(GetModuleHandleA(nullptr));
    for (int i = 0; i < 100; ++i)
        ShowVaried(flash, i);
    const std::size_t objectsBefore = GdiObjectCount();
    const std::size_t memoryBefore = PrivateBytes();
    ASSERT_GT(objectsBefore, 0u) << "the GDI object count cannot be read here";
    ASSERT_GT(memoryBefore, 0u);
    // Fewer than the benchmark's 10,000, which show a per-call leak just as exactly.
    for (int i = 0; i < 2000; ++i)
        ShowVaried(flash, i);
    EXPECT_EQ(GdiObjectCount(), objectsBefore);
    // A leaked image or font per call would cost tens of megabytes; allow allocator noise.
    EXPECT_LT(PrivateBytes(), memoryBefore + 4 * 1024 * 1024);
}
