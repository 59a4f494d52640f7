#pragma once
#include <optional>
#include <string>
#include <vector>

// The lines of a file that must use CR LF throughout; blank lines between sections carry
// no meaning and are left out. A lone CR or LF fails the split on purpose.
std::vector<std::string> CrLfLines(const std::string& text);

// The value of a key in a section as the program reads it back: the first one if
// repeated, blanks around it trimmed and one pair of enclosing quotes removed.
std::optional<std::string> IniValue(const std::string& text, const std::string& section, const std::string& key);

// The messages of a settings file as the program reads them back: M1 to M<Count> of
// [Messages], in order.
std::vector<std::string> IniMessages(const std::string& text);
