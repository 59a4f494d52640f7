#include "settings/StartWithWindows.h"

#include "platform/Handles.h"
#include "settings/modSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

UniqueRegKey OpenRun()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    return UniqueRegKey(key);
}

struct RunValue {
    DWORD type = 0;
    std::string data;  // every byte stored, the terminating NUL included
};

std::optional<RunValue> ReadRunValue(const char* name)
{
    const UniqueRegKey run = OpenRun();
    RunValue value;
    DWORD size = 0;
    if (RegQueryValueExA(run.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    RegQueryValueExA(run.get(), name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
    return value;
}

void WriteRunValue(const char* name, const std::string& data)
{
    RegSetValueExA(OpenRun().get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
}

// Puts the two values back as they were before the test.
class RunKeyTest : public ::testing::Test {
protected:
    ~RunKeyTest() override
    {
        Restore("Halcyra", ours_);
        Restore("Brindlewick", earlier_);
    }

    static void Restore(const char* name, const std::optional<RunValue>& value)
    {
        if (value)
            RegSetValueExA(OpenRun().get(), name, 0, value->type, reinterpret_cast<const BYTE*>(value->data.data()),
                           static_cast<DWORD>(value->data.size()));
        else
            RegDeleteValueA(OpenRun().get(), name);
    }

    std::optional<RunValue> ours_ = ReadRunValue("Halcyra");
    std::optional<RunValue> earlier_ = ReadRunValue("Brindlewick");
};

}  // namespace

TEST_F(RunKeyTest, EnablingWritesTheQuotedPathAndRemovesTheEarlierEdition)
{
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    WriteRunValue("Halcyra", "\"C:\\Moved\\halcyra.exe\"");
    ApplyStartWithWindows(true);

    const std::optional<RunValue> ours = ReadRunValue("Halcyra");
    ASSERT_TRUE(ours);
    EXPECT_EQ(ours->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ours->data, '"' + ExePath() + '"' + '\0');
    EXPECT_FALSE(ReadRunValue("Brindlewick"));
}

TEST_F(RunKeyTest, DisablingRemovesBothValues)
{
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    ApplyStartWithWindows(true);
    ASSERT_TRUE(ReadRunValue("Halcyra"));
    WriteRunValue("Brindlewick", "\"C:\\Old\\brindlewick.exe\"");
    ApplyStartWithWindows(false);
    EXPECT_FALSE(ReadRunValue("Halcyra"));
    EXPECT_FALSE(ReadRunValue("Brindlewick"));
    ApplyStartWithWindows(false);
    EXPECT_FALSE(ReadRunValue("Halcyra"));
}
