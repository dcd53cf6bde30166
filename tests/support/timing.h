// Timing for the tests; portable, since the Windows test driver uses it too.
#pragma once

#include <chrono>
#include <thread>

namespace ocel::testing {

using Milliseconds = std::chrono::duration<double, std::milli>;

template <typename F>
Milliseconds timed(F&& call) {
  const auto start = std::chrono::steady_clock::now();
  call();
  return std::chrono::steady_clock::now() - start;
}

// Asks condition every 5 ms until it holds or limit has passed; whether it held.
template <typename Condition>
bool waitUntil(Condition&& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace ocel::testing
