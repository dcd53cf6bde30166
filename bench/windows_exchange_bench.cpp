// Windows exchange benchmark: Ocel400.dll, loaded as a program loads it,
// against a simulated camera that answers at once, reached over COM1 through
// ocel400-camera-host (under Wine, see the README). Prints the median wall
// time of an acknowledged write and of a read against the fixed 30 ms pause
// that ends every exchange, the figure to set beside ocel400-bench --instant.
//
//   library_windows_bench [EXCHANGES]      (default 200)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bind_exports.h"
#include "camera_control.h"
#include "timing.h"

namespace {

using namespace ocel::testing;

constexpr double kPauseMs = 30.0;

void report(const char* what, int exchanges, const std::function<void(int)>& exchange) {
  std::vector<double> times;
  bool answered = true;
  for (int i = 0; i < exchanges; ++i) {
    times.push_back(timed([&] { exchange(i); }).count());
    answered = answered && lib::LastResult() == OCEL400_DONE;
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::fprintf(
      stderr, "%-20s median %6.2f ms  ratio %.3f to the 30 ms pause  (min %.2f, max %.2f)%s\n",
      what, median, median / kPauseMs, times.front(), times.back(), answered ? "" : "  UNANSWERED");
}

}  // namespace

int main(int argc, char** argv) {
  const int exchanges = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 200;
  if (const std::string problem = bindExports(); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  CameraControl camera;
  camera.start(1);
  if (lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0) != OCEL400_DONE) {
    std::fprintf(stderr, "PortInitEx failed: %u\n", static_cast<unsigned>(lib::LastResult()));
    return 1;
  }
  // On stderr: stdout carries the requests to the camera host.
  std::fprintf(stderr, "%d exchanges each, camera answering at once\n", exchanges);
  report("acknowledged write", exchanges, [](int i) { lib::SetShape(100 + i % 2); });
  report("read", exchanges, [](int) { lib::GetShape(); });
  return 0;
}
