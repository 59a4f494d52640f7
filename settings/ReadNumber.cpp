#include "settings/ReadNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Hands out the characters of a text with the ignored ones taken out.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    char Peek()
    {
        while (pos_ < text_.size() && IsIgnored(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void Take() { ++pos_; }

    bool TakeIf(char wanted)
    {
        if (Peek() != wanted)
            return false;
        Take();
        return true;
    }

private:
    static bool IsIgnored(char c) { return kIgnoredInNumbers.find(c) != std::string_view::npos; }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base)
{
    int value = base;
    if (IsDigit(c))
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

double ReadWholeNumber(Cursor& in, int base)
{
    double value = 0;
    for (int digit = DigitValue(in.Peek(), base); digit >= 0; digit = DigitValue(in.Peek(), base)) {
        value = value * base + digit;
        in.Take();
    }
    return value;
}

// Far beyond any double's range, yet far from overflowing the sums below, so that an
// absurdly long exponent cannot wrap round to a plausible one.
constexpr int64_t kExponentLimit = 1'000'000'000;

int64_t ReadExponent(Cursor& in)
{
    const bool negative = in.TakeIf('-');
    if (!negative)
        in.TakeIf('+');
    int64_t exponent = 0;
    while (IsDigit(in.Peek())) {
        exponent = std::min(exponent * 10 + (in.Peek() - '0'), kExponentLimit);
        in.Take();
    }
    return negative ? -exponent : exponent;
}

// The value of 0.digits × 10^(digits.size() + exponent) as a double.
double ComposeDecimal(std::string digits, int64_t exponent, bool negative)
{
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    exponent += static_cast<int64_t>(digits.size() - significant);
    digits.resize(significant);
    if (digits.empty())
        return negative ? -0.0 : 0.0;

    const int64_t order = static_cast<int64_t>(digits.size()) + exponent;
    const std::string text = digits + "e" + std::to_string(exponent);
    double magnitude = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), magnitude).ec != std::errc{})
        magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

double ReadDecimal(Cursor& in)
{
    const bool negative = in.TakeIf('-');
    if (!negative)
        in.TakeIf('+');

    std::string digits;
    int64_t exponent = 0;
    for (; IsDigit(in.Peek()); in.Take())
        digits += in.Peek();
    if (in.TakeIf('.')) {
        for (; IsDigit(in.Peek()); in.Take()) {
            digits += in.Peek();
            --exponent;
        }
    }
    if (digits.empty())
        return 0;
    if (in.TakeIf('E') || in.TakeIf('e'))
        exponent += ReadExponent(in);
    return ComposeDecimal(std::move(digits), exponent, negative);
}

}  // namespace

double ReadNumber(std::string_view text)
{
    Cursor in(text);
    if (!in.TakeIf('&'))
        return ReadDecimal(in);
    if (in.TakeIf('H') || in.TakeIf('h'))
        return ReadWholeNumber(in, 16);
    if (in.TakeIf('O') || in.TakeIf('o'))
        return ReadWholeNumber(in, 8);
    return 0;
}
