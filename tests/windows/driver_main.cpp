// library_windows_tests: the library's behaviour tests against Ocel400.dll,
// loaded as a program loads it, over COM1 to a simulated camera. Here it
// runs under Wine through ocel400-camera-host, which owns the camera.
//
//   library_windows_tests frames|faults|recovery|port
//   library_windows_tests bench [EXCHANGES]      timings only (default 200)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bound_exports.h"
#include "checks.h"
#include "scenarios.h"

using namespace ocel::testing;

int main(int argc, char** argv) {
  const char* scenario = argc >= 2 ? argv[1] : "";
  if (const std::string problem = bindExports(); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  CameraControl camera;
  if (std::strcmp(scenario, "frames") == 0) {
    runFrames(camera);
  } else if (std::strcmp(scenario, "faults") == 0) {
    runFaults(camera);
  } else if (std::strcmp(scenario, "recovery") == 0) {
    runRecovery(camera);
  } else if (std::strcmp(scenario, "port") == 0) {
    runPort(camera);
  } else if (std::strcmp(scenario, "bench") == 0) {
    runBench(camera, argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200);
    return checkCount.failed == 0 ? 0 : 1;
  } else {
    std::fprintf(stderr, "usage: %s frames|faults|recovery|port|bench [EXCHANGES]\n", argv[0]);
    return 2;
  }
  std::fprintf(stderr, "%s: %d checks passed, %d failed\n", scenario, checkCount.passed,
               checkCount.failed);
  return checkCount.failed == 0 && checkCount.passed > 0 ? 0 : 1;
}
