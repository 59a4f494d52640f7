#include "tests/e2e/driver/E2eTest.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Program.h"
#include "tests/e2e/driver/Wait.h"

#include <cstdint>

namespace {

struct HostileFile {
    const char* name;
    std::string (*make)();
};

std::string BinaryBytes()
{
    // Every byte value, NUL, lone CR and LF, brackets and '=' included, in a fixed order.
    std::string bytes = "[Timing]\r\nIntervalMin=";
    uint32_t state = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    return bytes;
}

std::string MegabyteLines()
{
    const std::string megabyte(1 << 20, 'm');
    return IniText({"[General]", "StartWithWindows=0", "[Timing]", "IntervalMin=" + std::string(1 << 20, '9'),
                    megabyte, "[" + megabyte + "]", "[Messages]", "Count=2", "M1=" + megabyte, "M2=short"});
}

std::string HugeCount()
{
    return IniText({"[General]", "StartWithWindows=0", "[Messages]", "Count=1e308", "M1=only one"});
}

std::string OverflowingNumbers()
{
    return IniText({"[General]", "StartWithWindows=0", "StartActive=1e999",
                    "[Timing]", "IntervalMin=1e309", "IntervalMax=-1e309", "DurationMs=99999999999999999999999",
                    "[Look]", "FontSizeMin=&HFFFFFFFFFFFFFFFFFFFFFFFF", "FontSizeMax=-&O777777777777777777777777",
                    "Color=1e300", "Opacity=-2147483649", "Bold=1e-400",
                    "[Hotkeys]", "StartMod=4294967296", "StartKey=1e20", "StopMod=-1e20", "StopKey=2147483648",
                    "[Messages]", "Count=&HFFFFFFFFFFFFFFFF", "M1=still here"});
}

const HostileFile kHostileFiles[] = {
    {"BinaryBytes", BinaryBytes},
    {"MegabyteLines", MegabyteLines},
    {"HugeCount", HugeCount},
    {"OverflowingNumbers", OverflowingNumbers},
};

// Numbers the program cannot hold may leave a hotkey that the system refuses; that is
// reported in the usual box, which is not a failure here.
void DismissHotkeyWarnings(Program& program)
{
    for (HWND box : program.VisibleDialogs()) {
        EXPECT_EQ(TextOf(box), "Halcyra");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindowVisible(box); }, kActionTimeoutMs);
    }
}

}  // namespace

class HostileSettingsFile : public E2eTest, public testing::WithParamInterface<HostileFile> {};

TEST_P(HostileSettingsFile, StartsWithoutCrashHangOrWrite)
{
    const std::string content = GetParam().make();
    WriteSettings(content);
    const auto before = FolderListing(sandbox.AppData());

    Launch();
    ASSERT_TRUE(program->WaitForIdle(kStartTimeoutMs)) << "start-up hangs";
    ASSERT_TRUE(WaitForHalcyraIcon(kStartTimeoutMs).has_value()) << "no icon; exited: " << program->HasExited();
    DismissHotkeyWarnings(*program);

    EXPECT_FALSE(program->HasExited());
    EXPECT_TRUE(ReadFileBytes(sandbox.SettingsPath()) == content) << "the settings file was changed";
    EXPECT_EQ(FolderListing(sandbox.AppData()), before);
    ExitFromTrayMenu();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsFile, testing::ValuesIn(kHostileFiles),
                         [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });
