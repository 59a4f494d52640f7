#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The one command a launch may carry on its command line, and the record in which a second
// launch hands it to the instance that already runs.

enum class CommandKind : uint8_t { Start = 1, Stop, Toggle, Show, Pause, Resume, Settings, Exit, Help };

inline constexpr int32_t PauseMinutesMin = 1;
inline constexpr int32_t PauseMinutesMax = 1440;
inline constexpr int32_t PauseMinutesDefault = 30;

struct Command {
    CommandKind Kind;
    int32_t Minutes = 0;  // Pause only
    std::string Text{};   // Show only: flashed once; empty for one message from the list
    bool operator==(const Command&) const = default;
};

// The argument the refusal box names first.
struct CommandRefusal {
    std::string NotUnderstood;
    bool operator==(const CommandRefusal&) const = default;
};

// args: the arguments after the program's name, in UTF-8, as the system split them.
// Nothing (monostate) when there are none.
std::variant<std::monostate, Command, CommandRefusal> ParseCommandLine(std::span<const std::string> args);

// The help box's text, one command a line; with a refusal, a first line naming what was not
// understood and an empty line before the list.
std::string CommandListText(const CommandRefusal* refusal = nullptr);

// Goes in COPYDATASTRUCT.dwData, so that no other data sent to the window is taken for a command.
inline constexpr uintptr_t CommandRecordTag = 0x48434D44;  // "HCMD"

// A fixed little-endian header (version, kind, minutes, text length in bytes), then the UTF-8
// text. Reading back checks the size and every field first, and gives nothing for a record that
// no command line could have led to.
std::vector<unsigned char> EncodeCommand(const Command& command);
std::optional<Command> DecodeCommand(std::span<const unsigned char> record);
