#include "settings/StartWithWindows.h"

#include "platform/Handles.h"
#include "settings/modSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

UniqueRegKey OpenRun()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    return UniqueRegKey(key);
}

// The value's type and every stored byte, the terminating NUL included.
std::optional<std::pair<DWORD, std::string>> ReadRunValue(const char* name)
{
    const UniqueRegKey run = OpenRun();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(run.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string data(size, '\0');
    RegQueryValueExA(run.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    return std::pair{type, data};
}

void WriteRunValue(const char* name, DWORD type, const std::string& bytes)
{
    RegSetValueExA(OpenRun().get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
}

// Puts both values back as they were before the test.
class RunKey : public ::testing::Test {
protected:
    ~RunKey() override
    {
        for (const auto& [name, value] : {std::pair{"Halcyra", ours_}, std::pair{"Brindlewick", earlier_}}) {
            if (value)
                WriteRunValue(name, value->first, value->second);
            else
                RegDeleteValueA(OpenRun().get(), name);
        }
    }

    static void PlantEarlierEdition() { WriteRunValue("Brindlewick", REG_SZ, std::string("\"C:\\Old\\b.exe\"") + '\0'); }

    std::optional<std::pair<DWORD, std::string>> ours_ = ReadRunValue("Halcyra");
    std::optional<std::pair<DWORD, std::string>> earlier_ = ReadRunValue("Brindlewick");
};

}  // namespace

TEST_F(RunKey, EnablingWritesTheQuotedPathAndRemovesTheEarlierEdition)
{
    PlantEarlierEdition();
    WriteRunValue("Halcyra", REG_SZ, std::string("\"C:\\Moved\\halcyra.exe\"") + '\0');
    ApplyStartWithWindows(true);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::pair(static_cast<DWORD>(REG_SZ), '"' + ExePath() + '"' + '\0'));
    EXPECT_EQ(ReadRunValue("Brindlewick"), std::nullopt);
}

TEST_F(RunKey, DisablingRemovesBothValues)
{
    ApplyStartWithWindows(true);
    ASSERT_TRUE(ReadRunValue("Halcyra"));
    PlantEarlierEdition();
    ApplyStartWithWindows(false);
    EXPECT_EQ(ReadRunValue("Halcyra"), std::nullopt);
    EXPECT_EQ(ReadRunValue("Brindlewick"), std::nullopt);
}
