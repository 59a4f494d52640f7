#include "app/Command.h"

#include <charconv>

#include "platform/Utf.h"
#include "settings/IniDocument.h"
#include "settings/NameIndex.h"

namespace {

struct CommandWord {
    CommandKind kind;
    std::string_view name;
    std::string_view alias;     // another name, written as it stands
    std::string_view argument;  // the optional argument as the list names it; empty when none is taken
    std::string summary;
};

const CommandWord kWords[] = {
    {CommandKind::Start, "start", "", "", "start showing messages"},
    {CommandKind::Stop, "stop", "", "", "stop showing messages"},
    {CommandKind::Toggle, "toggle", "", "", "start when stopped, stop when running"},
    {CommandKind::Show, "show", "", "\"TEXT\"", "flash TEXT once now, or one of your messages without TEXT"},
    {CommandKind::Pause, "pause", "", "MINUTES",
     "pause for " + std::to_string(PauseMinutesMin) + " to " + std::to_string(PauseMinutesMax) + " minutes; " +
         std::to_string(PauseMinutesDefault) + " without MINUTES"},
    {CommandKind::Resume, "resume", "", "", "end the pause"},
    {CommandKind::Settings, "settings", "", "", "open the settings"},
    {CommandKind::Exit, "exit", "", "", "end Halcyra"},
    {CommandKind::Help, "help", "?", "", "show this list"},
};

// A refused argument longer than this is cut in the box, which would otherwise outgrow the screen.
constexpr std::size_t kNamedUnits = 60;

constexpr uint32_t kRecordVersion = 1;
constexpr std::size_t kRecordHeaderSize = 16;

const CommandWord* FindWord(std::string_view argument)
{
    for (std::string_view prefix : {"--", "-", "/"}) {
        if (!argument.starts_with(prefix))
            continue;
        const std::string_view name = argument.substr(prefix.size());
        for (const CommandWord& word : kWords) {
            if (NameIndex::SameName(name, word.name) || (!word.alias.empty() && name == word.alias))
                return &word;
        }
        return nullptr;
    }
    return nullptr;
}

const CommandWord* FindKind(uint32_t kind)
{
    for (const CommandWord& word : kWords) {
        if (static_cast<uint32_t>(word.kind) == kind)
            return &word;
    }
    return nullptr;
}

bool IsPauseLength(int64_t minutes)
{
    return minutes >= PauseMinutesMin && minutes <= PauseMinutesMax;
}

// A message can hold no more than a settings value.
bool FitsAMessage(std::string_view text)
{
    return IsUtf8(text) && CutToUtf16Units(text, IniDocument::kMaxValueLength).size() == text.size();
}

// Decimal digits alone (leading zeros do no harm): a sign, a blank, a point or an exponent
// is refused rather than guessed at, so that a script gets the pause it wrote or none.
bool ReadMinutes(std::string_view argument, int32_t& minutes)
{
    const char* end = argument.data() + argument.size();
    const auto [stop, error] = std::from_chars(argument.data(), end, minutes);
    return error == std::errc() && stop == end && IsPauseLength(minutes);
}

// Reads the command's optional argument into it; false when the argument does not fit.
bool TakeArgument(Command& command, const std::string& argument)
{
    if (command.Kind == CommandKind::Pause)
        return ReadMinutes(argument, command.Minutes);
    command.Text = argument;
    return !argument.empty() && FitsAMessage(argument);
}

void PutU32(std::vector<unsigned char>& record, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        record.push_back(static_cast<unsigned char>(value >> shift));
}

uint32_t U32At(std::span<const unsigned char> record, std::size_t offset)
{
    uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | record[offset + i];
    return value;
}

}  // namespace

std::variant<std::monostate, Command, CommandRefusal> ParseCommandLine(std::span<const std::string> args)
{
    if (args.empty())
        return std::monostate{};
    const CommandWord* word = FindWord(args[0]);
    if (!word)
        return CommandRefusal{args[0]};
    Command command{word->kind, word->kind == CommandKind::Pause ? PauseMinutesDefault : 0};
    std::size_t next = 1;
    if (!word->argument.empty() && args.size() > next) {
        if (!TakeArgument(command, args[next]))
            return CommandRefusal{args[next]};
        ++next;
    }
    if (args.size() > next)
        return CommandRefusal{args[next]};
    return command;
}

std::string CommandListText(const CommandRefusal* refusal)
{
    std::string text;
    if (refusal) {
        const std::string_view named = CutToUtf16Units(refusal->NotUnderstood, kNamedUnits);
        text.append("Halcyra did not understand \"").append(named);
        text.append(named.size() < refusal->NotUnderstood.size() ? "...\".\n\n" : "\".\n\n");
    }
    text += "Halcyra takes one command, written after /, - or --:\n";
    for (const CommandWord& word : kWords) {
        text.append("\n/").append(word.name);
        if (!word.alias.empty())
            text.append(" or /").append(word.alias);
        if (!word.argument.empty())
            text.append(" ").append(word.argument);
        text.append(" - ").append(word.summary);
    }
    return text;
}

std::vector<unsigned char> EncodeCommand(const Command& command)
{
    std::vector<unsigned char> record;
    record.reserve(kRecordHeaderSize + command.Text.size());
    PutU32(record, kRecordVersion);
    PutU32(record, static_cast<uint32_t>(command.Kind));
    PutU32(record, static_cast<uint32_t>(command.Minutes));
    PutU32(record, static_cast<uint32_t>(command.Text.size()));
    record.insert(record.end(), command.Text.begin(), command.Text.end());
    return record;
}

std::optional<Command> DecodeCommand(std::span<const unsigned char> record)
{
    if (record.size() < kRecordHeaderSize || U32At(record, 0) != kRecordVersion ||
        U32At(record, 12) != record.size() - kRecordHeaderSize)
        return std::nullopt;
    const CommandWord* word = FindKind(U32At(record, 4));
    if (!word)
        return std::nullopt;
    const uint32_t minutes = U32At(record, 8);
    const std::string text(record.begin() + kRecordHeaderSize, record.end());
    const bool minutesFit = word->kind == CommandKind::Pause ? IsPauseLength(minutes) : minutes == 0;
    const bool textFits = word->kind == CommandKind::Show ? FitsAMessage(text) : text.empty();
    if (!minutesFit || !textFits)
        return std::nullopt;
    return Command{word->kind, static_cast<int32_t>(minutes), text};
}
