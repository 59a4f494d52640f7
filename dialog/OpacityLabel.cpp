#include "dialog/OpacityLabel.h"

#include <cmath>

std::string OpacityLabelText(int32_t position)
{
    const double percent = std::floor(position / 255.0 * 100.0 + 0.5);
    return std::to_string(static_cast<int32_t>(percent)) + "%";
}
