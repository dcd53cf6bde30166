// library_windows_tests frames|faults|recovery|port: the library's behaviour
// tests against Ocel400.dll over COM1, under Wine through ocel400-camera-host.
#include <cstdio>
#include <functional>
#include <map>

#include "bind_exports.h"
#include "camera_control.h"
#include "checks.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

// checkPort, and a missing port that fails at once and says why.
void runPort(CameraControl& camera) {
  checkPort(
      [&camera](int model, int baud) -> CameraControl& {
        camera.start(model, baud);
        return camera;
      },
      [] {
        const HANDLE port = CreateFileA("\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (port == INVALID_HANDLE_VALUE) return false;
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        bool set = GetCommState(port, &dcb);
        if (set) {
          dcb.BaudRate = 4800;
          set = SetCommState(port, &dcb);
        }
        CloseHandle(port);
        return set;
      },
      [&camera] { camera.stop(); });

  // COM7 leads to nothing (scripts/wine-prefix.sh): Windows refuses to open it,
  // Wine refuses GetCommState, and the cause stays in GetLastError().
  const std::uint16_t opened = lib::PortInitEx(7, 1, OCEL400_PAL, 9600, 0);
  const DWORD cause = GetLastError();
  expectEq(opened, OCEL400_PORT_NOT_OPENED, "PortInitEx(7)");
  expectTrue(cause == ERROR_FILE_NOT_FOUND || cause == ERROR_PATH_NOT_FOUND ||
                 cause == ERROR_INVALID_FUNCTION,
             "GetLastError() after PortInitEx(7): " + std::to_string(cause));
}

}  // namespace
}  // namespace ocel::testing

using namespace ocel::testing;

int main(int argc, char** argv) {
  const std::string scenario = argc >= 2 ? argv[1] : "";
  if (const std::string problem = bindExports(); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  CameraControl camera;
  const auto open = [&camera](int model) -> CameraControl& {
    camera.start(model);
    expectEq(lib::PortInitEx(1, model, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
    return camera;
  };
  const std::map<std::string, std::function<void()>> scenarios{
      {"frames", [&] { checkFrames(open); }},
      {"faults",
       [&] {
         for (const FaultCase& c : kFaultCases) checkFault(open, c);
       }},
      {"recovery", [&] { checkRecovery(open); }},
      {"port", [&] { runPort(camera); }},
  };
  const auto chosen = scenarios.find(scenario);
  if (chosen == scenarios.end()) {
    std::fprintf(stderr, "usage: %s frames|faults|recovery|port\n", argv[0]);
    return 2;
  }
  chosen->second();
  std::fprintf(stderr, "%s: %d checks passed, %d failed\n", scenario.c_str(), passedChecks,
               failedChecks);
  return failedChecks == 0 && passedChecks > 0 ? 0 : 1;
}
