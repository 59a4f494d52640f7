#include "tests/e2e/driver/IniLines.h"

#include <unordered_map>

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (end > start)
            lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size())
        lines.push_back("<unterminated> " + text.substr(start));
    return lines;
}

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Unquoted(const std::string& text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return text.substr(1, text.size() - 2);
    return text;
}

// Every key of a section, in file order, as name and value.
std::vector<std::pair<std::string, std::string>> SectionPairs(const std::string& text, const std::string& section)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    bool inside = false;
    for (const std::string& line : CrLfLines(text)) {
        if (line.starts_with("[")) {
            inside = line == "[" + section + "]";
            continue;
        }
        const size_t equals = line.find('=');
        if (inside && equals != std::string::npos)
            pairs.emplace_back(Trimmed(line.substr(0, equals)), Unquoted(Trimmed(line.substr(equals + 1))));
    }
    return pairs;
}

}  // namespace

std::optional<std::string> IniValue(const std::string& text, const std::string& section, const std::string& key)
{
    for (const auto& [name, value] : SectionPairs(text, section)) {
        if (name == key)
            return value;
    }
    return std::nullopt;
}

std::vector<std::string> IniMessages(const std::string& text)
{
    std::unordered_map<std::string, std::string> values;
    for (auto& [name, value] : SectionPairs(text, "Messages"))
        values.emplace(std::move(name), std::move(value));
    std::vector<std::string> messages;
    const auto count = values.find("Count");
    const size_t wanted = count == values.end() ? 0 : std::stoul(count->second);
    for (size_t i = 1; i <= wanted; ++i) {
        const auto message = values.find("M" + std::to_string(i));
        if (message == values.end())
            break;
        messages.push_back(message->second);
    }
    return messages;
}
