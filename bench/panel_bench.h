// What the program's benches share: the line floor of an exchange at 9600
// baud, timing and medians, the report line, and the real library opened on
// a paced simulated camera.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Ocel400.h"
#include "ocel400sim/pty_camera.h"
#include "platform/loaded_library.h"

namespace ocelbench {

using Clock = std::chrono::steady_clock;

// Two 14-byte frames of 10 bits at 9600 baud, and the 30 ms pause.
constexpr double kCharacterMs = 10.0 * 1000.0 / 9600.0;
constexpr double kExchangeFloorMs = 28 * kCharacterMs + 30.0;
// A call to a camera that does not answer: 20 attempts of one frame and the
// 140 ms reply window, then the pause.
constexpr double kCallBoundMs = 20 * (14 * kCharacterMs + 140.0) + 30.0;

template <class F>
double timedMs(F&& step) {
  const Clock::time_point start = Clock::now();
  step();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One line: what, the time, the floor (or bound) it is measured against.
inline void report(const char* what, double ms, double floorMs, const char* floorName = "floor") {
  std::printf("%-46s %8.1f ms  %s %8.1f ms  ratio %.3f\n", what, ms, floorName, floorMs,
              ms / floorMs);
}

// The median of runs against the floor of that many exchanges.
inline void reportExchanges(const char* what, const std::vector<double>& times, int exchanges) {
  report(what, median(times), exchanges * kExchangeFloorMs);
}

// The library found as the program finds it, with COM1 opened on camera at
// 9600 baud, no parity; null (and said why) when it cannot be loaded.
inline std::unique_ptr<ocel::platform::LoadedLibrary> openLibraryOn(ocelsim::PtyCamera& camera,
                                                                    int model) {
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  std::string reason;
  auto library = ocel::platform::LoadedLibrary::load("Ocel400.dll", reason);
  if (!library) {
    std::fprintf(stderr, "cannot load the camera library: %s\n", reason.c_str());
    return nullptr;
  }
  reinterpret_cast<decltype(&PortInitEx)>(library->resolve("PortInitEx"))(1, model, 0, 9600, 0);
  return library;
}

}  // namespace ocelbench
