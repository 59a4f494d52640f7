#include "dialog/SaveChecks.h"

#include "dialog/ValidateNumber.h"

#include <optional>

namespace {

struct NumberRule {
    NumberBox box;
    const std::string NumberBoxTexts::*text;
    int32_t lo;
    int32_t hi;
    const char* name;
    int32_t CheckedNumbers::*value;
};

constexpr NumberRule kIntMin{NumberBox::IntMin, &NumberBoxTexts::intMin, 1, 86400,
                             "Minimum interval", &CheckedNumbers::intervalMin};
constexpr NumberRule kIntMax{NumberBox::IntMax, &NumberBoxTexts::intMax, 1, 86400,
                             "Maximum interval", &CheckedNumbers::intervalMax};
constexpr NumberRule kDuration{NumberBox::Duration, &NumberBoxTexts::duration, 10, 10000,
                               "Display time", &CheckedNumbers::durationMs};
constexpr NumberRule kSizeMin{NumberBox::SizeMin, &NumberBoxTexts::sizeMin, 6, 400,
                              "Minimum font size", &CheckedNumbers::fontSizeMin};
constexpr NumberRule kSizeMax{NumberBox::SizeMax, &NumberBoxTexts::sizeMax, 6, 400,
                              "Maximum font size", &CheckedNumbers::fontSizeMax};

// Stores the box's number in numbers, or describes why it was refused.
std::optional<SaveFailure> Check(const NumberRule& rule, const NumberBoxTexts& texts,
                                 CheckedNumbers& numbers)
{
    const std::optional<int32_t> value = ValidateNumber(texts.*rule.text, rule.lo, rule.hi);
    if (!value)
        return SaveFailure{rule.box, true, NumberRangeMessage(rule.name, rule.lo, rule.hi)};
    numbers.*rule.value = *value;
    return std::nullopt;
}

// The order checks leave the maximum box's selection as the user had it.
SaveFailure OrderFailure(NumberBox box, const char* message)
{
    return SaveFailure{box, false, message};
}

}  // namespace

std::variant<CheckedNumbers, SaveFailure> CheckSave(const NumberBoxTexts& texts)
{
    CheckedNumbers n;
    if (auto failure = Check(kIntMin, texts, n))
        return *failure;
    if (auto failure = Check(kIntMax, texts, n))
        return *failure;
    if (n.intervalMax < n.intervalMin)
        return OrderFailure(NumberBox::IntMax,
                            "Maximum interval must be greater than or equal to the minimum.");
    if (auto failure = Check(kDuration, texts, n))
        return *failure;
    if (auto failure = Check(kSizeMin, texts, n))
        return *failure;
    if (auto failure = Check(kSizeMax, texts, n))
        return *failure;
    if (n.fontSizeMax < n.fontSizeMin)
        return OrderFailure(NumberBox::SizeMax,
                            "Maximum font size must be greater than or equal to the minimum.");
    return n;
}
