#include "platform/win32/SingleInstance.h"

#include <gtest/gtest.h>

TEST(SingleInstance, TheSecondHolderSeesTheFirstUntilItIsGone)
{
    {
        const SingleInstance first;
        EXPECT_FALSE(first.AnotherIsRunning());
        const SingleInstance second;
        EXPECT_TRUE(second.AnotherIsRunning());
    }
    const SingleInstance again;
    EXPECT_FALSE(again.AnotherIsRunning());
}
