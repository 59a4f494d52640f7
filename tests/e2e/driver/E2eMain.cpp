#include "tests/e2e/driver/Options.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <gtest/gtest.h>

namespace {

DriverOptions gOptions;

// Takes --halcyra=PATH and --evidence=DIR; false when one is missing.
bool ParseOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--halcyra="))
            gOptions.halcyraExe = arg.substr(10);
        else if (arg.starts_with("--evidence="))
            gOptions.evidenceDir = arg.substr(11);
    }
    return !gOptions.halcyraExe.empty() && !gOptions.evidenceDir.empty();
}

}  // namespace

const DriverOptions& Options() { return gOptions; }

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!ParseOptions(argc, argv)) {
        std::fprintf(stderr, "usage: halcyra_e2e_tests --halcyra=UNIX_PATH --evidence=UNIX_DIR [gtest flags]\n");
        return 2;
    }
    // Fine-grained polling of the flash window needs the 1 ms timer resolution.
    timeBeginPeriod(1);
    const int result = RUN_ALL_TESTS();
    timeEndPeriod(1);
    return result;
}
