#include "dialog/ValidateNumber.h"

#include <algorithm>

namespace {

// A decimal held exactly as written, so that neither the range check nor the rounding
// depends on how a double would approximate a long text.
struct Decimal {
    bool negative = false;
    bool beyondBounds = false;
    int64_t whole = 0;         // magnitude of the part before the point
    std::string_view fraction; // digits after the point
};

constexpr size_t kMaxWholeDigits = 10;  // anything longer lies outside every 32-bit bound

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Empty when text is not a number.
std::optional<Decimal> ParseDecimal(std::string_view text)
{
    text = TrimBlanks(text);
    Decimal d;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    d.fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && d.fraction.empty())
        return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(d.fraction.begin(), d.fraction.end(), IsDigit))
        return std::nullopt;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    d.beyondBounds = whole.size() > kMaxWholeDigits;
    if (!d.beyondBounds)
        for (char c : whole)
            d.whole = d.whole * 10 + (c - '0');
    return d;
}

bool FractionIsZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

bool WithinBounds(const Decimal& d, int64_t lo, int64_t hi)
{
    const bool exact = FractionIsZero(d.fraction);
    if (!d.negative)  // whole + fraction, with 0 <= fraction < 1
        return d.whole >= lo && (d.whole < hi || (d.whole == hi && exact));
    // -(whole + fraction)
    return d.whole >= -hi && (d.whole < -lo || (d.whole == -lo && exact));
}

int32_t RoundHalfToEven(const Decimal& d)
{
    const std::string_view f = d.fraction;
    bool up = false;
    if (!f.empty() && f.front() > '5')
        up = true;
    else if (!f.empty() && f.front() == '5')
        up = !FractionIsZero(f.substr(1)) || d.whole % 2 == 1;
    const int64_t magnitude = d.whole + (up ? 1 : 0);
    return static_cast<int32_t>(d.negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<int32_t> ValidateNumber(std::string_view text, int32_t lo, int32_t hi)
{
    const std::optional<Decimal> number = ParseDecimal(text);
    if (!number || number->beyondBounds || !WithinBounds(*number, lo, hi))
        return std::nullopt;
    return RoundHalfToEven(*number);
}

std::string NumberRangeMessage(std::string_view name, int32_t lo, int32_t hi)
{
    return std::string(name) + " must be a number between " + std::to_string(lo) + " and " +
           std::to_string(hi) + ".";
}
