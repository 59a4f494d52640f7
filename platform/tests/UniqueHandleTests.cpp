#include "platform/UniqueHandle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> released;

void Release(int handle)
{
    released.push_back(handle);
}

using Owned = UniqueHandle<int, &Release>;

}  // namespace

// The timer resolution, the hotkeys and the hook are given back through this owner: each
// exactly once, however often it is moved, reset or destroyed.
TEST(UniqueHandle, ReleasesEachHandleExactlyOnce)
{
    released.clear();
    {
        Owned first(1);
        Owned second(std::move(first));
        first.reset();
        Owned third(3);
        third = std::move(second);
        EXPECT_EQ(released, (std::vector<int>{3}));
        third.reset();
        third.reset();
        Owned none;
    }
    EXPECT_EQ(released, (std::vector<int>{3, 1}));
}
