#pragma once
#include <string>

// What the driver is told on its command line.
struct DriverOptions {
    std::string halcyraExe;   // Unix path of the program under test
    std::string evidenceDir;  // Unix folder for screenshots kept as evidence
};

const DriverOptions& Options();
