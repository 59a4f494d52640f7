#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The first line of the editor's text that is longer than a message can be: its number,
// counted from 1, and where its characters beyond the limit begin and end in the text, in
// UTF-16 units, as the editor selects them.
struct OverlongLine {
    std::size_t number = 0;
    std::size_t from = 0;
    std::size_t to = 0;

    bool operator==(const OverlongLine&) const = default;
};

// Looks at each line as Add takes it (carriage returns removed, spaces trimmed), or only at
// the first, as Update takes it.
std::optional<OverlongLine> FindOverlongLine(std::string_view text, bool firstLineOnly);

// The refusal's text, naming the line when the text holds several.
std::string OverlongText(const OverlongLine& line, bool nameLine);

// The dialog's working copy of the message list, with at most one selected entry.
// The operations tell the caller what changed so that a list control can follow
// without being refilled.
class MessageList {
public:
    explicit MessageList(std::vector<std::string> entries = {});

    const std::vector<std::string>& Entries() const { return entries_; }
    std::optional<std::size_t> Selected() const { return selected_; }

    // Selects position, or nothing when it is empty or out of range.
    void Select(std::optional<std::size_t> position);

    // Appends every non-blank line of text; returns how many entries were appended.
    std::size_t Add(std::string_view text);

    // Replaces the selected entry with the first line of text, unless that is blank or
    // nothing is selected; returns whether the entry changed.
    bool Update(std::string_view text);

    // Removes the selected entry and selects the one now at its place, or the new last
    // one; nothing stays selected only when the list became empty. Returns the removed
    // position, or nothing when nothing was selected.
    std::optional<std::size_t> Remove();

    // The selected entry's text, which the text box shows whenever the selection changes.
    std::optional<std::string> SelectedText() const;

private:
    std::vector<std::string> entries_;
    std::optional<std::size_t> selected_;
};
