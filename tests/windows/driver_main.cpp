// library_windows_tests: the library's behaviour tests against Ocel400.dll,
// loaded as a program loads it, over COM1 to a simulated camera. Here it
// runs under Wine through ocel400-camera-host, which owns the camera.
//
//   library_windows_tests frames|faults|recovery|port
//   library_windows_tests bench [EXCHANGES]      timings only (default 200)
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "camera_control.h"
#include "checks.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

// Loads Ocel400.dll as a program loads it and binds every lib:: entry point.
// Empty when all are bound, else what is wrong.
std::string bindExports() {
  const HMODULE dll = LoadLibraryA("Ocel400.dll");
  if (dll == nullptr) return "cannot load Ocel400.dll: error " + std::to_string(GetLastError());
  std::string missing;
  // Through void (*)(): the one cast that does not warn of a mismatched
  // function type.
#define OCEL400_EXPORT_NAME(name)                                \
  lib::name = reinterpret_cast<decltype(lib::name)>(             \
      reinterpret_cast<void (*)()>(GetProcAddress(dll, #name))); \
  if (lib::name == nullptr) missing += " " #name;
  OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
  return missing.empty() ? std::string() : "Ocel400.dll does not export" + missing;
}

// Opening COM1 on Windows: checkPort, and a missing port that fails at once
// and says why.
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

  // COM7 leads to a path where nothing is (see scripts/wine-prefix.sh); the
  // failing call's error stays in GetLastError(). Windows refuses to open a
  // missing port; Wine opens it and refuses GetCommState.
  const std::uint16_t opened = lib::PortInitEx(7, 1, OCEL400_PAL, 9600, 0);
  const DWORD cause = GetLastError();
  expectEq(opened, OCEL400_PORT_NOT_OPENED, "PortInitEx(7)");
  expectTrue(cause == ERROR_FILE_NOT_FOUND || cause == ERROR_PATH_NOT_FOUND ||
                 cause == ERROR_INVALID_FUNCTION,
             "GetLastError() after PortInitEx(7): " + std::to_string(cause));
  expectEq(lib::SetShape(5), OCEL400_WRITE_FAILED, "SetShape without a port");
  expectEq(lib::GetShape(), 0, "GetShape without a port");
  expectEq(lib::LastResult(), OCEL400_WRITE_FAILED, "GetShape's result without a port");
}

// The exchange timings of the DLL against a camera that answers at once:
// the median wall time of an acknowledged write and of a read, against the
// fixed 30 ms pause that ends every exchange. Prints, checks nothing.
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
      {"faults",
       [&] {
         for (const FaultCase& c : kFaultCases) checkFault(open, c);
       }},
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
