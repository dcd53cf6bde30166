// The exchange timings of the DLL against a camera that answers at once:
// the median wall time of an acknowledged write and of a read, against the
// fixed 30 ms pause that ends every exchange. Prints, checks nothing.
#include <algorithm>
#include <cstdio>
#include <functional>

#include "checks.h"
#include "lib_exports.h"
#include "scenarios.h"

namespace ocel::testing {

namespace {

constexpr double kPauseMs = 30.0;

void report(const char* what, int exchanges, const std::function<void(int)>& exchange) {
  std::vector<double> times;
  bool answered = true;
  for (int i = 0; i < exchanges; ++i) {
    const auto start = std::chrono::steady_clock::now();
    exchange(i);
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    answered = answered && lib::LastResult() == OCEL400_DONE;
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::fprintf(stderr, "%-20s median %6.2f ms  ratio %.3f to the 30 ms pause  (min %.2f, max %.2f)%s\n",
              what, median, median / kPauseMs, times.front(), times.back(),
              answered ? "" : "  UNANSWERED");
}

}  // namespace

void runBench(CameraControl& camera, int exchanges) {
  camera.start(1);
  if (lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0) != OCEL400_DONE) {
    expectTrue(false, "PortInitEx");
    return;
  }
  // On stderr: stdout carries the requests to the camera host.
  std::fprintf(stderr, "%d exchanges each, camera answering at once\n", exchanges);
  report("acknowledged write", exchanges, [](int i) { lib::SetShape(100 + i % 2); });
  report("read", exchanges, [](int) { lib::GetShape(); });
}

}  // namespace ocel::testing
