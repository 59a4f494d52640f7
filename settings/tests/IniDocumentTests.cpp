#include "settings/IniDocument.h"
#include "settings/ReadNumber.h"

#include <gtest/gtest.h>

using namespace std::literals;

TEST(IniLookup, FindsValuesAsTheSystemsProfileFunctionsDo)
{
    const std::string text = "top=1\n[Look]\n  Bold = 1  \n\t[ Timing ]\t\nIntervalMin\t=\t30\t\n"
                             "[V]\ndq=\"  x  \" \ntwice=''x''\nmixed='x\"\none=\"\nblank=   \n[Nul]\nn=a\0b\nm=c\n"
                             "[A]\nk=1\nk=2\n;c=3\neq=a=b\nhere\nhere=late\n[a]\nonly=4\n"
                             "[Tr] trailing ;text\r\nt=1\r[a]b]\n\nm=2\n[Odd\no=3\n[\xC9]\nk=1\n"
                             "[zA]\n\v\fvf\f\v=\v\fx\f\v\nallmonitors=0\n[L]\nq=\""s +
                             std::string(5000, 'b') + "\"\ne=" + std::string(4094, 'd') + "\xF0\x9F\x98\x80";
    const struct { const char *section, *key; std::optional<std::string> value; } cases[] = {
        // Exactly one pair of enclosing quotes comes off; a value of blanks is still a value.
        {"V", "dq", "  x  "}, {"V", "twice", "'x'"}, {"V", "mixed", "'x\""}, {"V", "one", "\""}, {"V", "blank", ""},
        // ASCII case (A and Z included) and blanks around names (\v and \f too) do not count; the first
        // duplicate wins and a repeated section is never searched.
        {"", "top", "1"}, {"look", "BOLD", "1"}, {"TIMING", "intervalmin", "30"}, {"Timing", "Bold", std::nullopt},
        {"Za", "AllMonitors", "0"}, {"Za", "vf", "x"},
        {"A", "k", "1"}, {"A", "only", std::nullopt}, {"\xE9", "k", std::nullopt},
        // ";" is text, and a line without "=" is the first of its name but holds no value.
        {"A", ";c", "3"}, {"A", "eq", "a=b"}, {"A", "here", std::nullopt},
        // A header reads to its last bracket, every line end counts, "[Odd" is a line of the
        // section above it, and a line ends at a NUL byte.
        {"Tr", "t", "1"}, {"a]b", "m", "2"}, {"a]b", "o", "3"}, {"Nul", "n", "a"}, {"Nul", "m", "c"},
        // At most 4095 UTF-16 units, counted once the quotes are off, and never half a character.
        {"L", "q", std::string(4095, 'b')}, {"L", "e", std::string(4094, 'd')}};
    const IniDocument doc = IniDocument::Parse(text);
    for (const auto& c : cases)
        EXPECT_EQ(doc.Find(c.section, c.key), c.value) << c.section << ' ' << c.key;
}

TEST(IniEdit, BreaksInAValueBecomeBlanksAValueReadsBackAsSetAndDeletingASectionRemovesEveryCopyInLinearTime)
{
    // A line break would start a new line; one at an end needs the quotes a blank needs.
    IniDocument broken;
    broken.Set("V", "k", "\na\r\0b"sv);
    EXPECT_EQ(broken.Serialise(), "[V]\r\nk=\" a  b\"\r\n");
    // Values that blanks, quotes or their absence would change on reading come back as set.
    for (const std::string& value : {"  x  "s, "x\t"s, "'x'"s, "\"\""s, "\""s, ""s, "\" a \""s}) {
        IniDocument doc;
        doc.Set("V", "k", value);
        EXPECT_EQ(IniDocument::Parse(doc.Serialise()).Find("V", "k"), value) << value;
    }
    // 100,000 keys and as many copies of a section must not take quadratic time.
    std::string copies, keys;
    for (int i = 0; i < 100000; ++i) {
        copies += "[Messages]\r\nM1=x\r\n";
        keys += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    IniDocument doc = IniDocument::Parse("top\r\n" + copies + "[Keys]\r\n" + keys + "[B]\r\nb=1\r\n");
    for (int i = 0; i < 100000; ++i)
        ASSERT_EQ(doc.Find("keys", "kEY" + std::to_string(i)), std::to_string(i));
    doc.DeleteSection("messages");
    doc.DeleteSection("KEYS");
    doc.Set("b", "c", "v");
    EXPECT_EQ(doc.Serialise(), "top\r\n[B]\r\nb=1\r\nc=v\r\n");
}

TEST(ReadNumber, ReadsWhatItCanIgnoringBlanksAndGivesInfinityOrZeroForWhatADoubleCannotHoldButNeverNaN)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> cases[] = {
        {"12abc", 12}, {".5", 0.5}, {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Blanks, tabs and line feeds are ignored anywhere, other characters are not; one leading sign.
        {"\t- 1 . 5 E\n1", -15}, {"1\r2", 1}, {"+5", 5}, {"--5", 0}, {"+-5", 0},
        // An exponent without digits adds nothing.
        {"2.5e-1", 0.25}, {"1E+2", 100}, {"7e-", 7}, {"& h F f", 255}, {"&HaA", 170}, {"&HFFFFFFFF", 4294967295.0},
        {"&H1G", 1}, {"&O178", 15}, {"-&H10", 0}, {"&X1", 0}, {"1e308", 1e308}, {"1e309", inf}, {"-1e999", -inf},
        {"1e-999", 0}, {"0e999999", 0}, {"1E99999999999999999999999", inf}, {"1E-99999999999999999999999", 0},
        {std::string(400, '0') + "1e-400", 0}, {"&H" + std::string(300, 'F'), inf}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadNumber(text), expected) << '"' << text.substr(0, 40) << '"';
}
