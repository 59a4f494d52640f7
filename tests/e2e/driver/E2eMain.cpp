#include "tests/e2e/driver/Options.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <gtest/gtest.h>

static DriverOptions gOptions;

const DriverOptions& Options() { return gOptions; }

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--halcyra="))
            gOptions.halcyraExe = arg.substr(10);
        else if (arg.starts_with("--evidence="))
            gOptions.evidenceDir = arg.substr(11);
    }
    if (gOptions.halcyraExe.empty() || gOptions.evidenceDir.empty()) {
        std::fprintf(stderr, "usage: halcyra_e2e_tests --halcyra=UNIX_PATH --evidence=UNIX_DIR [gtest flags]\n");
        return 2;
    }
    // Fine-grained polling of the flash window needs the 1 ms timer resolution.
    timeBeginPeriod(1);
    const int result = RUN_ALL_TESTS();
    timeEndPeriod(1);
    return result;
}
