// How long a call takes; shared by the gtest fixtures and the Windows driver.
#pragma once

#include <chrono>

namespace ocel::testing {

template <typename F>
std::chrono::milliseconds timed(F&& call) {
  const auto start = std::chrono::steady_clock::now();
  call();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

}  // namespace ocel::testing
