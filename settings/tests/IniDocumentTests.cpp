#include "settings/IniDocument.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

std::optional<std::string> Lookup(std::string_view text, std::string_view section, std::string_view key)
{
    return IniDocument::Parse(text).Find(section, key);
}

std::string AfterSet(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    IniDocument doc = IniDocument::Parse(text);
    doc.Set(section, key, value);
    return doc.Serialise();
}

}  // namespace

TEST(IniLookup, ComparesNamesWithoutCaseAndIgnoresBlanksAroundThem)
{
    const char* text = "[Look]\r\n  Bold = 1  \r\n\t[ Timing ]\t\r\nIntervalMin\t=\t30\t\r\n";
    EXPECT_EQ(Lookup(text, "look", "BOLD"), "1");
    EXPECT_EQ(Lookup(text, "TIMING", "intervalmin"), "30");
    EXPECT_EQ(Lookup(text, "Timing", "Bold"), std::nullopt);
    EXPECT_EQ(Lookup(text, "Hotkeys", "Bold"), std::nullopt);
    // Only ASCII letters are folded.
    EXPECT_EQ(Lookup("[\xC9]\r\nk=1\r\n", "\xE9", "k"), std::nullopt);
}

TEST(IniLookup, TakesOffExactlyOnePairOfEnclosingQuotes)
{
    const char* text = "[V]\r\ndq=\"  x  \" \r\nsq= 'x' \r\ntwice=''x''\r\nmixed='x\"\r\ninner=\"a\"b\"\r\n"
                       "one=\"\r\nempty=\"\"\r\n";
    EXPECT_EQ(Lookup(text, "V", "dq"), "  x  ");
    EXPECT_EQ(Lookup(text, "V", "sq"), "x");
    EXPECT_EQ(Lookup(text, "V", "twice"), "'x'");
    EXPECT_EQ(Lookup(text, "V", "mixed"), "'x\"");
    EXPECT_EQ(Lookup(text, "V", "inner"), "a\"b");
    EXPECT_EQ(Lookup(text, "V", "one"), "\"");
    EXPECT_EQ(Lookup(text, "V", "empty"), "");
}

TEST(IniLookup, TheFirstOfDuplicatesWinsAndARepeatedSectionIsNeverSearched)
{
    const char* text = "[A]\r\nk=1\r\nk=2\r\n[B]\r\nb=1\r\n[a]\r\nk=3\r\nonly=4\r\n";
    EXPECT_EQ(Lookup(text, "A", "k"), "1");
    EXPECT_EQ(Lookup(text, "A", "only"), std::nullopt);
    EXPECT_EQ(Lookup(text, "B", "b"), "1");
}

TEST(IniLookup, SemicolonsAreTextAndLinesWithoutEqualsAreNotKeys)
{
    const char* text = "[A]\r\n;c=3\r\nnoequals\r\nk=;x\r\neq=a=b\r\nhere\r\nhere=late\r\n";
    EXPECT_EQ(Lookup(text, "A", ";c"), "3");
    EXPECT_EQ(Lookup(text, "A", "k"), ";x");
    EXPECT_EQ(Lookup(text, "A", "eq"), "a=b");
    EXPECT_EQ(Lookup(text, "A", "noequals"), std::nullopt);
    // The line without "=" is the first of that name, and it holds no value.
    EXPECT_EQ(Lookup(text, "A", "here"), std::nullopt);
}

TEST(IniLookup, AnEmptyValueIsPresentAndAMissingKeyGivesTheFallback)
{
    const IniDocument doc = IniDocument::Parse("[A]\r\nempty=\r\nblank=   \r\n");
    EXPECT_EQ(doc.Get("A", "empty", "d"), "");
    EXPECT_EQ(doc.Get("A", "blank", "d"), "");
    EXPECT_EQ(doc.Get("A", "missing", "d"), "d");
    EXPECT_EQ(doc.Get("Z", "empty", "d"), "d");
}

TEST(IniLookup, ReadsHeadersToTheLastBracketAndTakesEveryLineEnd)
{
    const char* text = "top=1\r\n[Tr] trailing ;text\nt=1\r[a]b]\r\n\r\nk=2\r\n[Odd\r\no=3";
    EXPECT_EQ(Lookup(text, "", "top"), "1");
    EXPECT_EQ(Lookup(text, "Tr", "t"), "1");
    EXPECT_EQ(Lookup(text, "a]b", "k"), "2");
    // "[Odd" is a line of the section above it, and so is what follows it.
    EXPECT_FALSE(IniDocument::Parse(text).HasSection("Odd"));
    EXPECT_EQ(Lookup(text, "a]b", "o"), "3");
    // Like the system's, a line ends at a NUL byte.
    EXPECT_EQ(Lookup("[A]\r\nn=a\0b\r\nm=c\r\n"s, "A", "n"), "a");
    EXPECT_EQ(Lookup("[A]\r\nn=a\0b\r\nm=c\r\n"s, "A", "m"), "c");
}

TEST(IniLookup, CutsValuesAfterTakingOffTheQuotes)
{
    const std::string longValue(5000, 'a');
    EXPECT_EQ(Lookup("[L]\r\nv=" + longValue, "L", "v"), std::string(4095, 'a'));
    EXPECT_EQ(Lookup("[L]\r\nv=\"" + longValue + "\"", "L", "v"), std::string(4095, 'a'));
    EXPECT_EQ(Lookup("[L]\r\nv=\"" + std::string(4094, 'b') + "\"", "L", "v"), std::string(4094, 'b'));
}

TEST(IniEdit, UpdatesTheFirstKeyInPlaceAndKeepsItsName)
{
    EXPECT_EQ(AfterSet("[A]\r\nkey=1\r\nz=2\r\n", "a", "KEY", "9"), "[A]\r\nkey=9\r\nz=2\r\n");
    EXPECT_EQ(AfterSet("[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3"), "[A]\r\nk=3\r\nk=2\r\n");
    EXPECT_EQ(AfterSet("[A]\r\na=1\r\n[B]\r\n[A]\r\nz=1\r\n", "A", "z", "2"), "[A]\r\na=1\r\nz=2\r\n[B]\r\n[A]\r\nz=1\r\n");
    // A line without "=" of that name takes the value where it stands.
    EXPECT_EQ(AfterSet("[A]\r\nk\r\nj=1\r\n", "A", "k", "v"), "[A]\r\nk=v\r\nj=1\r\n");
}

TEST(IniEdit, AppendsNewKeysToTheirSectionAndNewSectionsToTheEnd)
{
    EXPECT_EQ(AfterSet("[A]\r\na=1\r\n; note\r\n\r\n[B]\r\nb=1\r\n", "A", "n", "2"),
              "[A]\r\na=1\r\n; note\r\nn=2\r\n[B]\r\nb=1\r\n");
    EXPECT_EQ(AfterSet("[A]\r\na=1", "C", "c", "3"), "[A]\r\na=1\r\n[C]\r\nc=3\r\n");
    EXPECT_EQ(AfterSet("", "A", "a", "1"), "[A]\r\na=1\r\n");
}

TEST(IniEdit, WritesEveryLineAgainInItsPlainForm)
{
    const char* text = "; top\r\n\r\n  [ Sec ] x\r\n  Key = \"  v  \" \r\n\r\n\tnoeq  \n[Other]\rk=1";
    EXPECT_EQ(AfterSet(text, "Other", "k", "2"), "; top\r\n[Sec]\r\nKey=\"  v  \"\r\nnoeq\r\n[Other]\r\nk=2\r\n");
}

TEST(IniEdit, DeletingASectionRemovesEveryCopyOfItAndNothingElse)
{
    IniDocument doc = IniDocument::Parse("top\r\n[M]\r\nm=1\r\n[A]\r\na=1\r\n[m]\r\nz=2\r\n[B]\r\nb=1\r\n");
    doc.DeleteSection("M");
    EXPECT_FALSE(doc.HasSection("m"));
    doc.Set("M", "k", "v");
    EXPECT_EQ(doc.Get("B", "b", ""), "1");
    EXPECT_EQ(doc.Serialise(), "top\r\n[A]\r\na=1\r\n[B]\r\nb=1\r\n[M]\r\nk=v\r\n");
}

TEST(IniEdit, OddValuesComeBackExactlyAsTheyWereSet)
{
    const std::string values[] = {"  x  ", "\tx\t", "\"x\"", "'x'", "\"", "\"\"", "\"x", "a=b", ";x", "[x]", " ",
                                  "", "\xE9t\xE9", std::string(4095, 'z'), "\" a \""};
    IniDocument doc;
    for (std::size_t i = 0; i < std::size(values); ++i)
        doc.Set("V", "k" + std::to_string(i), values[i]);
    const IniDocument reread = IniDocument::Parse(doc.Serialise());
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reread.Find("V", "k" + std::to_string(i)), values[i]) << i;
}

TEST(IniEdit, ALineBreakOrNulInAValueBecomesABlankAndInjectsNothing)
{
    IniDocument doc;
    doc.Set("V", "k", "a\r\nb=c");
    doc.Set("V", "n", "x\0y"s);
    doc.Set("V", "edge", "\nz");
    EXPECT_EQ(doc.Serialise(), "[V]\r\nk=a  b=c\r\nn=x y\r\nedge=\" z\"\r\n");
    EXPECT_EQ(IniDocument::Parse(doc.Serialise()).Find("V", "edge"), " z");
}

TEST(IniDocumentHostileInput, ArbitraryBytesParseAndSurviveARewrite)
{
    std::string junk;
    for (int i = 0; i < 200000; ++i)
        junk += static_cast<char>((i * 7919 + i / 13) % 256);
    const std::string once = IniDocument::Parse(junk).Serialise();
    EXPECT_EQ(IniDocument::Parse(once).Serialise(), once);
}

TEST(IniDocumentHostileInput, ManyDuplicatesAndLongLinesStayFast)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "[Messages]\r\nM1=x\r\n";
    text += "[Messages]\r\n" + std::string(1 << 20, 'k') + "=" + std::string(1 << 20, 'v') + "\r\n";
    IniDocument doc = IniDocument::Parse(text);
    for (int i = 0; i < 100000; ++i)
        ASSERT_EQ(doc.Find("messages", "m1"), "x");
    doc.DeleteSection("Messages");
    EXPECT_EQ(doc.Serialise(), "");
}
