#include "dialog/MessageList.h"

#include <algorithm>
#include <utility>

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

}  // namespace

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
