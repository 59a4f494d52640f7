#pragma once
#include <cstdint>
#include <string>

// The opacity label's text for a position of the opacity bar (10 to 255), e.g. "90%".
std::string OpacityLabelText(int32_t position);
