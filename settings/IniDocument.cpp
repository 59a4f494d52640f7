#include "settings/IniDocument.h"

#include <algorithm>
#include <functional>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char FoldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsQuotePair(std::string_view text)
{
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

std::string_view Unquote(std::string_view text)
{
    return IsQuotePair(text) ? text.substr(1, text.size() - 2) : text;
}

// The lookup trims blanks and takes off one pair of quotes, so a value that starts or
// ends with either is written inside a pair of double quotes to come back unchanged.
// A line break would end the line and inject whatever follows as a new line.
std::string EncodeValue(std::string_view value)
{
    std::string text(value);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    const bool needsQuotes = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) || IsQuotePair(text));
    return needsQuotes ? '"' + text + '"' : text;
}

// Calls take(line) for every line, whatever its end: CRLF, LF or a lone CR. Like the
// system, a line's content ends at a NUL byte.
template <typename Take>
void ForEachLine(std::string_view text, Take take)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = text.substr(0, end);
        take(line.substr(0, line.find('\0')));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace

std::size_t IniDocument::CaseInsensitiveHash::operator()(std::string_view text) const
{
    std::size_t hash = 14695981039346656037ull;
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 1099511628211ull;
    return hash;
}

bool IniDocument::CaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

void IniDocument::Section::Add(Line line)
{
    firstLine.try_emplace(line.name, lines.size());
    lines.push_back(std::move(line));
}

void IniDocument::AddSection(std::string name, bool hasHeader)
{
    firstSection_.try_emplace(name, sections_.size());
    sections_.push_back(Section{std::move(name), hasHeader, {}, {}});
}

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument doc;
    ForEachLine(text, [&doc](std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty())
            return;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            doc.AddSection(std::string(Trim(line.substr(1, close - 1))), true);
            return;
        }
        if (doc.sections_.empty())
            doc.AddSection("", false);
        const std::size_t equals = line.find('=');
        Line entry{std::string(Trim(line.substr(0, equals))), std::nullopt};
        if (equals != std::string_view::npos)
            entry.value = std::string(Trim(line.substr(equals + 1)));
        doc.sections_.back().Add(std::move(entry));
    });
    return doc;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const
{
    const auto found = firstSection_.find(name);
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

bool IniDocument::HasSection(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const auto line = found->firstLine.find(key);
    if (line == found->firstLine.end())
        return std::nullopt;
    const std::optional<std::string>& value = found->lines[line->second].value;
    if (!value)
        return std::nullopt;
    return std::string(Unquote(*value).substr(0, kMaxValueLength));
}

std::string IniDocument::Get(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return Find(section, key).value_or(std::string(fallback));
}

IniDocument::Section& IniDocument::SectionToWrite(std::string_view name)
{
    const auto found = firstSection_.find(name);
    if (found != firstSection_.end())
        return sections_[found->second];
    AddSection(std::string(name), true);
    return sections_.back();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = SectionToWrite(section);
    std::string encoded = EncodeValue(value);
    const auto line = target.firstLine.find(key);
    if (line != target.firstLine.end())
        target.lines[line->second].value = std::move(encoded);
    else
        target.Add(Line{std::string(key), std::move(encoded)});
}

void IniDocument::DeleteSection(std::string_view section)
{
    const CaseInsensitiveEqual same;
    std::erase_if(sections_, [&](const Section& s) { return s.hasHeader && same(s.name, section); });
    firstSection_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        firstSection_.try_emplace(sections_[i].name, i);
}

std::string IniDocument::Serialise() const
{
    std::string text;
    for (const Section& section : sections_) {
        if (section.hasHeader)
            text.append("[").append(section.name).append("]\r\n");
        for (const Line& line : section.lines) {
            text.append(line.name);
            if (line.value)
                text.append("=").append(*line.value);
            text.append("\r\n");
        }
    }
    return text;
}
