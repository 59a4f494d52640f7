#pragma once
#include <cstdint>
#include <string>
#include <variant>

// The texts of the dialog's five number boxes, as typed.
struct NumberBoxTexts {
    std::string intMin;
    std::string intMax;
    std::string duration;
    std::string sizeMin;
    std::string sizeMax;
};

// The whole numbers Save stores once every check has passed.
struct CheckedNumbers {
    int32_t intervalMin = 0;
    int32_t intervalMax = 0;
    int32_t durationMs = 0;
    int32_t fontSizeMin = 0;
    int32_t fontSizeMax = 0;
};

enum class NumberBox { IntMin, IntMax, Duration, SizeMin, SizeMax };

// The first check that failed: the box that gets the focus, whether its whole text is
// selected, and the message to show.
struct SaveFailure {
    NumberBox box;
    bool selectAll;
    std::string message;
};

// Save's checks in order; the first failure ends them.
std::variant<CheckedNumbers, SaveFailure> CheckSave(const NumberBoxTexts& texts);
