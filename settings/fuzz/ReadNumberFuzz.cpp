#include "settings/ReadNumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool Same(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Texts the C library reads the same way: plain decimal numbers, nothing around them.
bool IsPlainDecimal(std::string_view text)
{
    return !text.empty() && text.size() < 400 && text.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);
    if (std::isnan(value))
        std::abort();

    // Blanks, tabs and line feeds mean nothing, wherever they stand.
    std::string spaced = " \t\n";
    for (char c : text)
        spaced.append(1, c).append(" ");
    if (!Same(ReadNumber(spaced), value))
        std::abort();

    // Reading stops at a character that cannot continue a number.
    if (!Same(ReadNumber(std::string(text) + "x"), value))
        std::abort();

    if (IsPlainDecimal(text)) {
        const std::string copy(text);
        char* end = nullptr;
        const double expected = std::strtod(copy.c_str(), &end);
        if (end == copy.c_str() + copy.size() && !Same(value, expected))
            std::abort();
    }
    return 0;
}
