#include "dialog/MessageList.h"

#include <algorithm>
#include <utility>

#include "platform/Utf.h"
#include "settings/IniDocument.h"

namespace {

std::string_view TrimSpaces(std::string_view line)
{
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// A lone carriage return does not separate lines: it simply disappears.
std::string WithoutCarriageReturns(std::string_view text)
{
    std::string result(text);
    result.erase(std::remove(result.begin(), result.end(), '\r'), result.end());
    return result;
}

// Carriage returns removed, split at line feeds, each line trimmed of spaces; blank
// lines are left out.
std::vector<std::string> MessageLines(std::string_view text)
{
    const std::string plain = WithoutCarriageReturns(text);
    std::vector<std::string> lines;
    std::string_view rest = plain;
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = TrimSpaces(rest.substr(0, end));
        if (!line.empty())
            lines.emplace_back(line);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return lines;
}

// A message holds what a value of the settings file reads back.
constexpr std::size_t kLongestMessage = IniDocument::kMaxValueLength;

// Where a message that a line of the text gives is longer than kLongestMessage: the line
// runs from start to end in text, whose carriage returns do not count.
std::optional<OverlongLine> Overlong(std::u16string_view text, std::size_t start, std::size_t end)
{
    std::size_t kept = 0;
    std::size_t from = 0;
    std::size_t lastWord = 0;  // kept units up to the last that is not a space
    for (std::size_t i = start; i < end; ++i) {
        if (text[i] == u'\r' || (kept == 0 && text[i] == u' '))
            continue;
        if (++kept == kLongestMessage + 1)
            from = i;
        if (text[i] != u' ')
            lastWord = kept;
    }
    if (lastWord <= kLongestMessage)
        return std::nullopt;
    // A character in two units that straddles the limit is selected whole.
    if (from > start && text[from] >= 0xDC00 && text[from] <= 0xDFFF)
        --from;
    return OverlongLine{0, from, end};
}

}  // namespace

std::optional<OverlongLine> FindOverlongLine(std::string_view text, bool firstLineOnly)
{
    const std::u16string units = Utf16FromUtf8(text);
    std::size_t number = 1;
    for (std::size_t start = 0; start <= units.size(); ++number) {
        const std::size_t end = std::min(units.find(u'\n', start), units.size());
        if (std::optional<OverlongLine> line = Overlong(units, start, end)) {
            line->number = number;
            return line;
        }
        if (firstLineOnly)
            break;
        start = end + 1;
    }
    return std::nullopt;
}

std::string OverlongText(const OverlongLine& line, bool nameLine)
{
    std::string text = "A message can hold at most " + std::to_string(kLongestMessage) + " characters.";
    if (nameLine)
        text += "\r\nLine " + std::to_string(line.number) + " is too long.";
    return text;
}

MessageList::MessageList(std::vector<std::string> entries) : entries_(std::move(entries)) {}

void MessageList::Select(std::optional<std::size_t> position)
{
    selected_ = position && *position < entries_.size() ? position : std::nullopt;
}

std::size_t MessageList::Add(std::string_view text)
{
    std::vector<std::string> lines = MessageLines(text);
    entries_.insert(entries_.end(), std::make_move_iterator(lines.begin()),
                    std::make_move_iterator(lines.end()));
    return lines.size();
}

bool MessageList::Update(std::string_view text)
{
    if (!selected_)
        return false;
    const std::string plain = WithoutCarriageReturns(text);
    const std::string_view firstLine = TrimSpaces(std::string_view(plain).substr(0, plain.find('\n')));
    if (firstLine.empty())
        return false;
    entries_[*selected_] = firstLine;
    return true;
}

std::optional<std::size_t> MessageList::Remove()
{
    if (!selected_)
        return std::nullopt;
    const std::size_t removed = *selected_;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    selected_ = entries_.empty() ? std::nullopt
                                 : std::optional<std::size_t>(std::min(removed, entries_.size() - 1));
    return removed;
}

std::optional<std::string> MessageList::SelectedText() const
{
    if (!selected_)
        return std::nullopt;
    return entries_[*selected_];
}
