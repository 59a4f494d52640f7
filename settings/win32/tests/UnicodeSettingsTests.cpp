#include "settings/modSettings.h"

#include "platform/win32/Text.h"
#include "settings/Settings.h"
#include "settings/tests/DefaultFile.h"
#include "tests/support/win32/TempAppData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string BytesOf(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::wstring SystemRead(const std::wstring& file, const wchar_t* key)
{
    wchar_t value[4096] = {};
    return {value, GetPrivateProfileStringW(L"Messages", key, L"", value, 4096, file.c_str())};
}

}  // namespace

// The settings live under an APPDATA named in a script the ANSI code page (1252 here)
// cannot write; the file stays ANSI while its texts fit, and is Unicode when they do not.
TEST(UnicodeSettings, LiveInAnyFolderAndKeepEveryTextInTheFormTheSystemReads)
{
    const TempAppData appData;
    const std::wstring folder = Wide(appData.Root() + "\\\xC5\x81ukasz \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    const std::wstring file = folder + L"\\Halcyra\\settings.ini";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetEnvironmentVariableW(L"APPDATA", folder.c_str());
    LoadSettings();
    EXPECT_EQ(BytesOf(file), kDefaultFile) << "the first run writes the defaults there, in ANSI";

    const std::vector<std::string> messages = {"\xD0\x9C\xD0\xB8\xD1\x80", "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D",
                                               "\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80"};
    gSettings.Messages = messages;
    SaveSettings();
    EXPECT_EQ(BytesOf(file).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(SystemRead(file, L"M1"), L"\u041C\u0438\u0440");
    EXPECT_EQ(SystemRead(file, L"M3"), L"\u4F60\u597D \U0001F600");
    gSettings = Settings{};
    LoadSettings();
    EXPECT_EQ(gSettings.Messages, messages);

    gSettings.Messages = {"Caf\xC3\xA9"};
    SaveSettings();
    EXPECT_NE(BytesOf(file).find("\r\nM1=Caf\xE9\r\n"), std::string::npos) << "back to ANSI once every text fits";
}
