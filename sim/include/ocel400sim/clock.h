// Time as the simulator sees it. The protocol code takes the time as an
// argument, so tests drive it with made-up time points instead of sleeping.
#pragma once

#include <chrono>

namespace ocelsim {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Nanoseconds = std::chrono::nanoseconds;

}  // namespace ocelsim
