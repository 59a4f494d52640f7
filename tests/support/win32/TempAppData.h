#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "tests/support/Files.h"

// Points APPDATA at a fresh empty folder while it lives, and removes that folder afterwards.
class TempAppData {
public:
    TempAppData();
    ~TempAppData();
    TempAppData(const TempAppData&) = delete;
    TempAppData& operator=(const TempAppData&) = delete;

    const std::string& Root() const { return root_; }
    std::string OurFolder() const { return root_ + "\\Halcyra"; }
    std::string OurFile() const { return OurFolder() + "\\settings.ini"; }

private:
    std::string root_;
    std::string previous_;
    bool hadPrevious_ = false;
};
