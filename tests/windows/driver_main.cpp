// library_windows_tests: the library's behaviour tests against Ocel400.dll,
// loaded as a program loads it, over COM1 to a simulated camera. Here it
// runs under Wine through ocel400-camera-host, which owns the camera.
//
//   library_windows_tests frames|faults|recovery|port
//   library_windows_tests bench [EXCHANGES]      timings only (default 200)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "bound_exports.h"
#include "checks.h"
#include "line_scenarios.h"
#include "scenarios.h"

using namespace ocel::testing;

int main(int argc, char** argv) {
  const std::string scenario = argc >= 2 ? argv[1] : "";
  if (const std::string problem = bindExports(); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  CameraControl camera;
  if (scenario == "bench") {
    runBench(camera, argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200);
    return checkCount.failed == 0 ? 0 : 1;
  }
  // A new camera of the model with COM1 opened to it, as line_scenarios.h
  // wants it.
  const auto open = [&camera](int model) -> CameraControl& {
    camera.start(model);
    expectEq(lib::PortInitEx(1, model, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
    return camera;
  };
  const std::map<std::string, std::function<void()>> scenarios{
      {"frames", [&] { checkFrames(open); }},
      {"faults", [&] { for (const FaultCase& c : kFaultCases) checkFault(open, c); }},
      {"recovery", [&] { checkRecovery(open); }},
      {"port", [&] { runPort(camera); }},
  };
  const auto chosen = scenarios.find(scenario);
  if (chosen == scenarios.end()) {
    std::fprintf(stderr, "usage: %s frames|faults|recovery|port|bench [EXCHANGES]\n", argv[0]);
    return 2;
  }
  chosen->second();
  std::fprintf(stderr, "%s: %d checks passed, %d failed\n", scenario.c_str(), checkCount.passed,
               checkCount.failed);
  return checkCount.failed == 0 && checkCount.passed > 0 ? 0 : 1;
}
