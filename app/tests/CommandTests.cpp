#include "app/Command.h"

#include <gtest/gtest.h>

using enum CommandKind;
using Bytes = std::vector<unsigned char>;

TEST(CommandLine, ReadsOneCommandWithItsArgumentAndOtherwiseNamesTheFirstArgumentNotUnderstood)
{
    using Refusal = CommandRefusal;
    // 4095 UTF-16 units, the most a message holds, in 4097 bytes.
    const std::string longest = std::string(4093, 'x') + "\xF0\x9F\x98\x80", tooLong = "x" + longest;
    const std::pair<std::vector<std::string>, std::variant<std::monostate, Command, Refusal>> cases[] = {
        {{}, std::monostate{}}, {{"/start"}, Command{Start}}, {{"-STOP"}, Command{Stop}},
        {{"--ToGgLe"}, Command{Toggle}}, {{"/resume"}, Command{Resume}}, {{"/Settings"}, Command{Settings}},
        {{"-exit"}, Command{Exit}}, {{"--help"}, Command{Help}}, {{"-?"}, Command{Help}}, {{"/show"}, Command{Show}},
        {{"/show", "/stop"}, Command{Show, 0, "/stop"}}, {{"/show", longest}, Command{Show, 0, longest}},
        {{"/pause"}, Command{Pause, 30}}, {{"/pause", "1"}, Command{Pause, 1}},
        {{"/pause", "1440"}, Command{Pause, 1440}}, {{"/pause", "05"}, Command{Pause, 5}},
        // Refused: an unknown word, no prefix, a second command, an extra argument, an argument that does not fit.
        {{"/frobnicate", "/start"}, Refusal{"/frobnicate"}}, {{"start"}, Refusal{"start"}},
        {{"/start", "/stop"}, Refusal{"/stop"}}, {{"/pause", "+5"}, Refusal{"+5"}}, {{"/pause", "1e2"}, Refusal{"1e2"}},
        {{"/pause", "5", "x"}, Refusal{"x"}}, {{"/show", ""}, Refusal{""}}, {{"/show", "Caf\xC3"}, Refusal{"Caf\xC3"}},
        {{"/pause", "0"}, Refusal{"0"}}, {{"/pause", "1441"}, Refusal{"1441"}}, {{"/show", tooLong}, Refusal{tooLong}}};
    for (const auto& [args, result] : cases)
        EXPECT_EQ(ParseCommandLine(args), result) << (args.empty() ? "none" : args.back().substr(0, 20));
}

TEST(CommandLine, TheListDerivesThePauseRangeAndARefusalNamesWhatItCouldNotRead)
{
    const std::string list = CommandListText();
    EXPECT_NE(list.find("\n/pause MINUTES - pause for 1 to 1440 minutes; 30 without MINUTES\n"), std::string::npos);
    // A long argument is cut, never inside a character.
    const CommandRefusal unknown{"--frobnicate"}, long60{std::string(59, 'x') + "\xF0\x9F\x98\x80 and more"};
    EXPECT_EQ(CommandListText(&unknown), "Halcyra did not understand \"--frobnicate\".\n\n" + list);
    EXPECT_EQ(CommandListText(&long60), "Halcyra did not understand \"" + std::string(59, 'x') + "...\".\n\n" + list);
}

TEST(CommandRecord, GivesBackWhatWasSentAndRefusesARecordOfTheWrongSizeOrForm)
{
    const Command sent[] = {{Start}, {Pause, 1440}, {Show}, {Show, 0, "Caf\xC3\xA9 \xF0\x9F\x98\x80"}, {Help}};
    for (const Command& command : sent)
        EXPECT_EQ(DecodeCommand(EncodeCommand(command)), command) << int(command.Kind);
    const Bytes hi = EncodeCommand({Show, 0, "hi"});
    EXPECT_EQ(hi, (Bytes{1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 'h', 'i'}));
    // Most are written by encoding what no command line can give.
    const std::pair<const char*, Bytes> malformed[] = {
        {"empty", {}}, {"short header", Bytes(hi.begin(), hi.begin() + 15)},
        {"short text", Bytes(hi.begin(), hi.end() - 1)},
        {"trailing byte", Bytes{1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'h', 'i'}},
        {"version 2", Bytes{2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"kind 0", EncodeCommand({CommandKind(0)})}, {"kind 10", EncodeCommand({CommandKind(10)})},
        {"pause 0", EncodeCommand({Pause, 0})}, {"pause 1441", EncodeCommand({Pause, 1441})},
        {"minutes on start", EncodeCommand({Start, 30})}, {"text on stop", EncodeCommand({Stop, 0, "x"})},
        {"bad UTF-8", EncodeCommand({Show, 0, "\xC3"})},
        {"4096 units", EncodeCommand({Show, 0, std::string(4096, 'x')})}};
    for (const auto& [what, record] : malformed)
        EXPECT_EQ(DecodeCommand(record), std::nullopt) << what;
}
