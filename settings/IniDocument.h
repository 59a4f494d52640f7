#pragma once
#include "settings/NameIndex.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI file held in memory, read and written the way the system's profile functions
// treat one: section and key names compared without regard to ASCII case, the first of
// duplicate sections or keys wins, blanks around names and values and blank lines carry
// no meaning, ";" starts no comment, a line without "=" is kept but is not a key.
// Text is UTF-8.
class IniDocument {
public:
    // The longest value a lookup returns, in UTF-16 units as the system's own Unicode
    // lookup counts them; longer values are cut between two whole characters.
    static constexpr std::size_t kMaxValueLength = 4095;

    static IniDocument Parse(std::string_view text);

    // The value of key in section with one pair of enclosing quotes removed, or nothing
    // when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string Get(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Sets key so that Find gives value back (up to kMaxValueLength, and with every CR,
    // LF or NUL turned into a blank): updated in place when present, otherwise appended
    // to its section, which is appended to the document when missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all of its lines.
    void DeleteSection(std::string_view section);

    // CRLF-terminated lines: "[name]" headers, "key=value" and the kept lines without "=".
    std::string Serialise() const;

private:
    // One line as it is written back: "name=value", or a name alone.
    struct Line {
        std::string text;
        std::size_t equals = std::string::npos;

        std::string_view Name() const { return std::string_view(text).substr(0, equals); }
        std::optional<std::string_view> Value() const;
    };

    struct Section {
        std::string name;
        bool hasHeader = true;  // false only for the lines before the first header
        std::vector<Line> lines;
        NameIndex firstLine;

        std::optional<std::size_t> FindLine(std::string_view key) const;
        void Add(Line line);
    };

    std::optional<std::size_t> FindSection(std::string_view name) const;
    Section& SectionToWrite(std::string_view name);
    void AddSection(std::string name, bool hasHeader);

    std::vector<Section> sections_;
    NameIndex firstSection_;
};
