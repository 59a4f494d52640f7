#include "settings/IniDocument.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

std::string AfterSet(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    IniDocument doc = IniDocument::Parse(text);
    doc.Set(section, key, value);
    return doc.Serialise();
}

}  // namespace

TEST(IniLookup, FindsValuesAsTheSystemsProfileFunctionsDo)
{
    const std::string quoted = "[V]\r\ndq=\"  x  \" \r\nsq= 'x' \r\ntwice=''x''\r\nmixed='x\"\r\ninner=\"a\"b\"\r\n"
                               "one=\"\r\nempty=\"\"\r\nblank=   \r\n";
    const std::string names = "top=1\r\n[Look]\r\n  Bold = 1  \r\n\t[ Timing ]\t\r\nIntervalMin\t=\t30\t\r\n"
                              "[A]\r\nk=1\r\nk=2\r\n;c=3\r\nnoequals\r\nsemi=;x\r\neq=a=b\r\nhere\r\nhere=late\r\n"
                              "[a]\r\nonly=4\r\n[Tr] trailing ;text\nt=1\r[a]b]\r\n\r\nm=2\r\n[Odd\r\no=3\r\n"
                              "[\xC9]\r\nk=1\r\n"
                              "[Nul]\r\nn=a\0b\r\nm=c\r\n"s;
    const struct { const std::string& text; const char *section, *key; std::optional<std::string> value; } cases[] = {
        // Exactly one pair of enclosing quotes comes off; an empty value is still a value.
        {quoted, "V", "dq", "  x  "}, {quoted, "V", "sq", "x"}, {quoted, "V", "twice", "'x'"},
        {quoted, "V", "mixed", "'x\""}, {quoted, "V", "inner", "a\"b"}, {quoted, "V", "one", "\""},
        {quoted, "V", "empty", ""}, {quoted, "V", "blank", ""}, {quoted, "V", "missing", std::nullopt},
        // ASCII case and blanks around names do not count; the first duplicate wins and a
        // repeated section is never searched.
        {names, "", "top", "1"}, {names, "look", "BOLD", "1"}, {names, "TIMING", "intervalmin", "30"},
        {names, "Timing", "Bold", std::nullopt}, {names, "Hotkeys", "Bold", std::nullopt}, {names, "A", "k", "1"},
        {names, "A", "only", std::nullopt}, {names, "\xE9", "k", std::nullopt},
        // ";" is text, and a line without "=" is the first of its name but holds no value.
        {names, "A", ";c", "3"}, {names, "A", "semi", ";x"}, {names, "A", "eq", "a=b"},
        {names, "A", "noequals", std::nullopt}, {names, "A", "here", std::nullopt},
        // A header reads to its last bracket, every line end counts, "[Odd" is a line of the
        // section above it, and a line ends at a NUL byte.
        {names, "Tr", "t", "1"}, {names, "a]b", "m", "2"}, {names, "a]b", "o", "3"}, {names, "Nul", "n", "a"},
        {names, "Nul", "m", "c"}};
    for (const auto& c : cases)
        EXPECT_EQ(IniDocument::Parse(c.text).Find(c.section, c.key), c.value) << c.section << ' ' << c.key;
    EXPECT_FALSE(IniDocument::Parse(names).HasSection("Odd"));
    EXPECT_EQ(IniDocument::Parse(quoted).Get("Z", "empty", "d"), "d");
}

TEST(IniLookup, CutsValuesAfterTakingOffTheQuotes)
{
    const auto find = [](const std::string& value) { return IniDocument::Parse("[L]\r\nv=" + value).Find("L", "v"); };
    EXPECT_EQ(find(std::string(5000, 'a')), std::string(4095, 'a'));
    EXPECT_EQ(find('"' + std::string(5000, 'a') + '"'), std::string(4095, 'a'));
    EXPECT_EQ(find('"' + std::string(4094, 'b') + '"'), std::string(4094, 'b'));
    // The limit counts UTF-16 units, and a character that would straddle it is left out.
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(find(std::string(4000, 'c') + accents), std::string(4000, 'c') + accents.substr(0, 2 * 95));
    EXPECT_EQ(find(std::string(4094, 'd') + "\xF0\x9F\x98\x80"), std::string(4094, 'd'));
}

TEST(IniEdit, UpdatesTheFirstKeyInPlaceOrAppendsToItsSectionOrTheEnd)
{
    const struct { const char *text, *section, *key, *expected; } cases[] = {
        {"[A]\r\nkey=1\r\nz=2\r\n", "a", "KEY", "[A]\r\nkey=9\r\nz=2\r\n"},
        {"[A]\r\nk=1\r\nk=2\r\n", "A", "k", "[A]\r\nk=9\r\nk=2\r\n"},
        {"[A]\r\na=1\r\n[B]\r\n[A]\r\nz=1\r\n", "A", "z", "[A]\r\na=1\r\nz=9\r\n[B]\r\n[A]\r\nz=1\r\n"},
        {"[A]\r\nk\r\nj=1\r\n", "A", "k", "[A]\r\nk=9\r\nj=1\r\n"},
        {"[A]\r\na=1\r\n; note\r\n\r\n[B]\r\nb=1\r\n", "A", "n", "[A]\r\na=1\r\n; note\r\nn=9\r\n[B]\r\nb=1\r\n"},
        {"[A]\r\na=1", "C", "c", "[A]\r\na=1\r\n[C]\r\nc=9\r\n"},
        {"", "A", "a", "[A]\r\na=9\r\n"},
        // Every line is written again in its plain form.
        {"; top\r\n\r\n  [ Sec ] x\r\n  Key = \"  v  \" \r\n\r\n\tnoeq  \n[Other]\rk=1", "Other", "k",
         "; top\r\n[Sec]\r\nKey=\"  v  \"\r\nnoeq\r\n[Other]\r\nk=9\r\n"}};
    for (const auto& c : cases)
        EXPECT_EQ(AfterSet(c.text, c.section, c.key, "9"), c.expected) << c.text;
}

TEST(IniEdit, DeletingASectionRemovesEveryCopyOfItAndNothingElse)
{
    IniDocument doc = IniDocument::Parse("top\r\n[M]\r\nm=1\r\n[A]\r\na=1\r\n[m]\r\nz=2\r\n[B]\r\nb=1\r\n");
    doc.DeleteSection("M");
    EXPECT_FALSE(doc.HasSection("m"));
    doc.Set("M", "k", "v");
    EXPECT_EQ(doc.Serialise(), "top\r\n[A]\r\na=1\r\n[B]\r\nb=1\r\n[M]\r\nk=v\r\n");
}

TEST(IniEdit, OddValuesComeBackAsSetAndLineBreaksBecomeBlanks)
{
    const std::string values[] = {"  x  ", "\tx\t", "\"x\"", "'x'", "\"", "\"\"", "\"x", "a=b", ";x", "[x]", " ",
                                  "", "\xC3\xA9t\xC3\xA9", "\xD0\x9C\xF0\x9F\x98\x80", std::string(4095, 'z'), "\" a \""};
    IniDocument doc;
    for (std::size_t i = 0; i < std::size(values); ++i)
        doc.Set("V", "k" + std::to_string(i), values[i]);
    const IniDocument reread = IniDocument::Parse(doc.Serialise());
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reread.Find("V", "k" + std::to_string(i)), values[i]) << i;

    EXPECT_EQ(AfterSet("", "V", "k", "a\r\nb=c"), "[V]\r\nk=a  b=c\r\n");
    EXPECT_EQ(AfterSet("", "V", "n", "x\0y"s), "[V]\r\nn=x y\r\n");
    EXPECT_EQ(AfterSet("", "V", "edge", "\nz"), "[V]\r\nedge=\" z\"\r\n");
    // Written whole, though a lookup gives back only its first 4095 characters.
    EXPECT_EQ(AfterSet("", "V", "long", std::string(5000, 'w')), "[V]\r\nlong=" + std::string(5000, 'w') + "\r\n");
}

TEST(IniDocumentHostileInput, ManyNamesAndDuplicatesStayFast)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "[Messages]\r\nM1=x\r\n";
    text += "[Keys]\r\n";
    for (int i = 0; i < 100000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    IniDocument doc = IniDocument::Parse(text);
    for (int i = 0; i < 100000; ++i)
        ASSERT_EQ(doc.Find("keys", "kEY" + std::to_string(i)), std::to_string(i));
    doc.DeleteSection("Messages");
    doc.DeleteSection("keys");
    EXPECT_EQ(doc.Serialise(), "");
}
