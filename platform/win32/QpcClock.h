#pragma once
#include <chrono>
#include <cstdint>

// The performance counter, on whose clock the system gives the desktop's composition timing,
// in nanoseconds from its own origin.
std::chrono::nanoseconds QpcNow();
std::chrono::nanoseconds FromQpc(int64_t counts);
