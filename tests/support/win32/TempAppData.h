#pragma once
#include <windows.h>

#include <string>

#include "tests/support/Files.h"

// Points APPDATA at a fresh empty folder while it lives, and removes that folder afterwards.
class TempAppData {
public:
    TempAppData();
    ~TempAppData();
    const std::string& Root() const { return root_; }
    std::string OurFile() const { return root_ + "\\Halcyra\\settings.ini"; }

private:
    std::string previous_;
    std::string root_;
};
