#include "settings/IniDocument.h"
#include "tests/support/win32/TempAppData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The document must leave a file exactly as the system's profile functions would after
// the same calls, so that nothing changes for anyone who edits or reads the file.
TEST(IniDocumentAgainstTheSystem, WritesTheSameBytesAfterTheSameCalls)
{
    struct Call {
        const char* section;
        const char* key;  // null: delete the section
        const char* value;
    };
    const std::vector<Call> calls = {
        {"Timing", "IntervalMin", "5"}, {"Timing", "IntervalMax", "20"}, {"Look", "FontName", "Arial"},
        {"Look", "Bold", "1"},          {"General", "StartActive", "0"}, {"Hotkeys", "StopKey", "88"},
        {"Messages", nullptr, nullptr}, {"Messages", "Count", "2"},      {"Messages", "M2", "a=b ; c [d]"},
    };
    const char* const files[] = {
        "; top comment\r\n\r\n[Timing]\r\n  IntervalMin = 7  \r\n; c1\r\nnoequals\r\n\r\n[User]\r\nfoo=bar\r\n"
        "\r\n\r\n[Messages]\r\nCount=9\r\nM1=a\r\nM9=z\r\n\r\n[Look]\r\nBold=0\r\n",
        "k0=top\r\n[ Look ] trailing\r\nKey = \"  v  \" \r\ndup=1\r\ndup=2\r\n;c=3\r\n noeq\r\n\"q\"=4\r\n"
        "[a]b]\r\nk=1\r\n[Odd\r\nk=odd\r\n\t[Timing]\r\nIntervalMin\r\n",
        "[Look]\nBold=0\rFontName=x\r\n[Hotkeys]\r\nStopKey=1",  // line ends of every kind, none at the end
        "[LOOK]\r\nfontname=Old\r\n[messages]\r\ncount=1\r\n",
    };
    const TempAppData folder;
    const std::string path = folder.Root() + "\\compare.ini";
    for (const char* before : files) {
        IniDocument document = IniDocument::Parse(before);
        WriteBytes(path, before);
        for (const Call& call : calls) {
            if (call.key)
                document.Set(call.section, call.key, call.value);
            else
                document.DeleteSection(call.section);
            WritePrivateProfileStringA(call.section, call.key, call.value, path.c_str());
        }
        EXPECT_EQ(document.Serialise(), ReadBytes(path)) << before;
    }
}
