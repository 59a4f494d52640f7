#include "settings/IniDocument.h"

#include "platform/Utf.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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
void AppendValue(std::string& line, std::string_view value)
{
    const auto breaksLine = [](char c) { return c == '\r' || c == '\n' || c == '\0'; };
    const auto isBlank = [&](char c) { return IsBlank(c) || breaksLine(c); };
    const bool needsQuotes = !value.empty() && (isBlank(value.front()) || isBlank(value.back()) || IsQuotePair(value));
    if (needsQuotes)
        line += '"';
    const std::size_t start = line.size();
    line.append(value);
    std::replace_if(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), breaksLine, ' ');
    if (needsQuotes)
        line += '"';
}

// Calls take(line) for every line, whatever its end: CRLF, LF or a lone CR. Like the
// system, a line's content ends at a NUL byte.
template <typename Take>
void ForEachLine(std::string_view text, Take take)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        take(line.substr(0, line.find('\0')));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace

std::optional<std::string_view> IniDocument::Line::Value() const
{
    if (equals == std::string::npos)
        return std::nullopt;
    return std::string_view(text).substr(equals + 1);
}

std::optional<std::size_t> IniDocument::Section::FindLine(std::string_view key) const
{
    return firstLine.Find(key, [this](std::size_t i) { return lines[i].Name(); });
}

void IniDocument::Section::Add(Line line)
{
    lines.push_back(std::move(line));
    firstLine.Add(lines.size() - 1, [this](std::size_t i) { return lines[i].Name(); });
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view name) const
{
    return firstSection_.Find(name, [this](std::size_t i) { return std::string_view(sections_[i].name); });
}

void IniDocument::AddSection(std::string name, bool hasHeader)
{
    sections_.push_back(Section{std::move(name), hasHeader, {}, {}});
    firstSection_.Add(sections_.size() - 1, [this](std::size_t i) { return std::string_view(sections_[i].name); });
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
        Line entry;
        if (equals == std::string_view::npos) {
            entry.text = line;
        } else {
            const std::string_view name = Trim(line.substr(0, equals));
            entry.text.reserve(line.size());
            entry.text.append(name).append("=").append(Trim(line.substr(equals + 1)));
            entry.equals = name.size();
        }
        doc.sections_.back().Add(std::move(entry));
    });
    return doc;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const
{
    const std::optional<std::size_t> s = FindSection(section);
    if (!s)
        return std::nullopt;
    const std::optional<std::size_t> line = sections_[*s].FindLine(key);
    if (!line)
        return std::nullopt;
    const std::optional<std::string_view> value = sections_[*s].lines[*line].Value();
    if (!value)
        return std::nullopt;
    return std::string(CutToUtf16Units(Unquote(*value), kMaxValueLength));
}

std::string IniDocument::Get(std::string_view section, std::string_view key, std::string_view fallback) const
{
    std::optional<std::string> value = Find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

IniDocument::Section& IniDocument::SectionToWrite(std::string_view name)
{
    const std::optional<std::size_t> found = FindSection(name);
    if (found)
        return sections_[*found];
    AddSection(std::string(name), true);
    return sections_.back();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = SectionToWrite(section);
    const std::optional<std::size_t> found = target.FindLine(key);
    Line& line = found ? target.lines[*found] : target.lines.emplace_back();
    std::string text;
    text.reserve(key.size() + value.size() + 3);
    text.append(found ? line.Name() : key).append("=");
    line.equals = text.size() - 1;
    AppendValue(text, value);
    line.text = std::move(text);
    if (!found)
        target.firstLine.Add(target.lines.size() - 1, [&target](std::size_t i) { return target.lines[i].Name(); });
}

void IniDocument::DeleteSection(std::string_view section)
{
    std::erase_if(sections_, [&](const Section& s) { return s.hasHeader && NameIndex::SameName(s.name, section); });
    firstSection_.Clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        firstSection_.Add(i, [this](std::size_t j) { return std::string_view(sections_[j].name); });
}

std::string IniDocument::Serialise() const
{
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 4;
        for (const Line& line : section.lines)
            size += line.text.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const Section& section : sections_) {
        if (section.hasHeader)
            text.append("[").append(section.name).append("]\r\n");
        for (const Line& line : section.lines)
            text.append(line.text).append("\r\n");
    }
    return text;
}
