#include "settings/IniDocument.h"
#include "settings/tests/TempAppData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The document must leave a file exactly as the system's profile functions would after
// the same calls, so that nothing changes for anyone who edits or reads the file.

namespace {

struct Call {
    const char* section;
    const char* key;  // null: delete the section
    const char* value;
};

struct Case {
    const char* name;
    const char* before;
    std::vector<Call> calls;
};

std::string BySystem(const std::string& path, const Case& c)
{
    WriteBytes(path, c.before);
    for (const Call& call : c.calls)
        WritePrivateProfileStringA(call.section, call.key, call.value, path.c_str());
    return ReadBytes(path);
}

std::string ByDocument(const Case& c)
{
    IniDocument doc = IniDocument::Parse(c.before);
    for (const Call& call : c.calls) {
        if (call.key)
            doc.Set(call.section, call.key, call.value);
        else
            doc.DeleteSection(call.section);
    }
    return doc.Serialise();
}

const std::vector<Call> kSaveLikeCalls = {
    {"Timing", "IntervalMin", "5"},     {"Timing", "IntervalMax", "20"}, {"Look", "FontName", "Arial"},
    {"Look", "Bold", "1"},              {"General", "StartActive", "0"}, {"Hotkeys", "StopKey", "88"},
    {"Messages", nullptr, nullptr},     {"Messages", "Count", "2"},      {"Messages", "M1", "You are calm"},
    {"Messages", "M2", "a=b ; c [d]"},
};

}  // namespace

TEST(IniDocumentAgainstTheSystem, WritesTheSameBytesAfterTheSameCalls)
{
    const std::vector<Case> cases = {
        {"blank lines, comments, spacing",
         "; top comment\r\n\r\n[Timing]\r\n  IntervalMin = 7  \r\n; c1\r\nnoequals\r\n\r\n[User]\r\nfoo=bar\r\n\r\n\r\n"
         "[Messages]\r\nCount=9\r\nM1=a\r\nM9=z\r\n\r\n[Look]\r\nBold=0\r\n",
         kSaveLikeCalls},
        {"odd headers and keys",
         "k0=top\r\n[ Look ] trailing\r\nKey = \"  v  \" \r\ndup=1\r\ndup=2\r\n;c=3\r\n noeq\r\n\"q\"=4\r\n[a]b]\r\nk=1\r\n"
         "[Odd\r\nk=odd\r\n\t[Timing]\r\nIntervalMin\r\n",
         kSaveLikeCalls},
        {"line ends of every kind, no final line end", "[Look]\nBold=0\rFontName=x\r\n[Hotkeys]\r\nStopKey=1",
         kSaveLikeCalls},
        {"names in another case", "[LOOK]\r\nfontname=Old\r\n[messages]\r\ncount=1\r\n", kSaveLikeCalls},
        {"keys added to existing sections", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n",
         {{"A", "new", "1"}, {"B", "y", "3"}, {"C", "c", "4"}, {"A", "x", "5"}}},
    };
    const TempAppData folder;
    const std::string path = folder.Root() + "\\compare.ini";
    for (const Case& c : cases)
        EXPECT_EQ(ByDocument(c), BySystem(path, c)) << c.name;
    DeleteFileA(path.c_str());
}
