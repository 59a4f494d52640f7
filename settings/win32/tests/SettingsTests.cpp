#include "platform/win32/FileSystem.h"
#include "platform/win32/Text.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "settings/tests/DefaultFile.h"
#include "tests/support/win32/TempAppData.h"

#include <gtest/gtest.h>

// The document must leave a file exactly as the system's profile functions would after the
// same calls (a null key deletes the section; of a repeated section or key only the first
// changes), so that nothing changes for anyone who edits or reads the file.
TEST(IniDocumentAgainstTheSystem, WritesTheSameBytesAfterTheSameCalls) {
    const std::tuple<const char*, const char*, const char*> calls[] = {
        {"Timing", "IntervalMin", "5"}, {"Timing", "IntervalMax", "20"}, {"Look", "FontName", "Arial"},
        {"Look", "Bold", "1"},          {"General", "StartActive", "0"}, {"Hotkeys", "StopKey", "88"},
        {"Messages", nullptr, nullptr}, {"Messages", "Count", "2"},      {"Messages", "M2", "a=b ; c [d]"},
        {"look", "DUP", "3"},
    };
    const char* const files[] = {
        "; top comment\r\n\r\n[Timing]\r\n  IntervalMin = 7  \r\n; c1\r\nnoequals\r\n\r\n[User]\r\nfoo=bar\r\n"
        "\r\n\r\n[Messages]\r\nCount=9\r\nM1=a\r\nM9=z\r\n\r\n[Look]\r\nBold=0\r\n",
        "k0=top\r\n[ Look ] trailing\r\nKey = \"  v  \" \r\ndup=1\r\ndup=2\r\n;c=3\r\n noeq\r\n\"q\"=4\r\n"
        "[a]b]\r\nk=1\r\n[Odd\r\nk=odd\r\n\t[Timing]\r\nIntervalMin\r\n",
        "[Look]\nBold=0\rFontName=x\r\n[Hotkeys]\r\nStopKey=1",  // line ends of every kind, none at the end
        "[LOOK]\r\nfontname=Old\r\n[messages]\r\ncount=1\r\n[look]\r\nBold=7\r\nDUP=0\r\n",
    };
    const TempAppData folder;
    const std::string path = folder.Root() + "\\compare.ini";
    for (const char* before : files) {
        IniDocument document = IniDocument::Parse(before);
        WriteBytes(path, before);
        for (const auto& [section, key, value] : calls) {
            key ? document.Set(section, key, value) : document.DeleteSection(section);
            WritePrivateProfileStringA(section, key, value, path.c_str());
        }
        EXPECT_EQ(document.Serialise(), ReadBytes(path)) << before;
    }
}

// The earlier edition's file fills only the place of a missing one, byte for byte however
// new it is; a file of ours, however hostile, is read without a crash, a hang or a write.
TEST(SettingsFile, TheEarlierEditionsFileOnlyFillsAGapAndOursIsReadAsItIsAndLeftWhereItCannotBeWritten) {
    const TempAppData appData;
    const std::string file = appData.OurFile();
    const char* const legacy = "[Timing]\r\nIntervalMin=30\r\n[Messages]\r\nCount=1\r\nM1=Carried over\r\n";
    // Every byte value, NUL, lone CR and LF, brackets and '=' included, in a fixed order.
    std::string binary = "[Timing]\r\nIntervalMin=";
    for (uint32_t i = 0, state = 12345; i < 64 * 1024; ++i)
        binary.push_back(static_cast<char>((state = state * 1103515245u + 12345u) >> 24));
    const std::string mega(1 << 20, 'm');
    const std::optional<std::string> cases[] = {
        std::nullopt, binary,
        "[Timing]\r\nIntervalMin=" + mega + "\r\n" + mega + "\r\n[" + mega + "]\r\n[Messages]\r\nCount=2\r\nM1=" + mega +
            "\r\nM2=short\r\n"};
    for (const std::optional<std::string>& content : cases) {
        if (content)
            WriteBytes(file, *content);
        WriteBytes(appData.Root() + "\\Brindlewick\\settings.ini", legacy);
        LoadSettings();
        EXPECT_TRUE(ReadBytes(file) == content.value_or(legacy)) << "taken over, or left alone";
        EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(appData.Root()), {}), 4)
            << "2 folders, 2 files";
    }
    const char* const own = "[Timing]\r\nIntervalMin=7\r\n";
    WriteBytes(file, own);
    // Hidden and system files count as missing, yet the earlier edition's file never replaces one.
    for (const DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SetFileAttributesA(file.c_str(), attributes);
        EXPECT_FALSE(FileFound(file)) << attributes;
        MigrateLegacySettings();
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    // Nor does a save that cannot write, which says so: where a folder has the temporary file's
    // name, or where the settings folder's parent is missing. A read-only file is the dialog's
    // test, which sees the box as well.
    CreateDirectoryA((file + ".tmp").c_str(), nullptr);
    EXPECT_NE(SaveSettings(), 0u);
    EXPECT_EQ(ReadBytes(file), own);
    SetEnvironmentVariableA("APPDATA", (appData.Root() + "\\no\\such\\parent").c_str());
    EXPECT_EQ(SaveSettings(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA((appData.Root() + "\\no").c_str()), INVALID_FILE_ATTRIBUTES);
}

// APPDATA is named in a script the ANSI code page (1252 here) cannot write: the file is still
// found there, and is Unicode only while some text needs it.
TEST(SettingsFile, HoldsWhatTheSystemReadsBackInAFolderOfAnyName) {
    const TempAppData appData;
    const std::wstring folder = Wide(appData.Root() + "\\\xC5\x81ukasz \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    const std::wstring file = folder + L"\\Halcyra\\settings.ini";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetEnvironmentVariableW(L"APPDATA", folder.c_str());
    // What the system reads of every message, and what a load makes of the whole file.
    const auto readBack = [&] {
        for (std::size_t i = 0; i < gSettings.Messages.size(); ++i) {
            wchar_t value[4096] = {};
            const std::wstring key = L"M" + std::to_wstring(i + 1);
            GetPrivateProfileStringW(L"Messages", key.c_str(), L"", value, 4096, file.c_str());
            EXPECT_EQ(Utf8(value), gSettings.Messages[i]) << i;
        }
        const Settings saved = gSettings;
        LoadSettings();
        EXPECT_EQ(gSettings, saved);
    };
    LoadSettings();
    EXPECT_EQ(ReadBytes(file), kDefaultFile) << "the first run writes the defaults there, in ANSI";
    gSettings.Messages = {"\xD0\x9C\xD0\xB8\xD1\x80", "\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80"};
    SaveSettings();
    readBack();
    gSettings.Messages = {"  leading", "trailing ", "\"quoted\"", "a=b ; c", std::string(4095, 'x'), "Caf\xC3\xA9"};
    SaveSettings();
    EXPECT_NE(ReadBytes(file).find("\r\nM6=Caf\xE9\r\n"), std::string::npos) << "back to ANSI once every text fits";
    readBack();
}
