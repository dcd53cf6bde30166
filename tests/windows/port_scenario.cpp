// Opening COM1 on Windows: checkPort, and a missing port that fails at once.
#include <windows.h>

#include "checks.h"
#include "line_scenarios.h"
#include "scenarios.h"

namespace ocel::testing {

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

  // COM7 leads to a path where nothing is (see scripts/wine-prefix.sh).
  expectEq(lib::PortInitEx(7, 1, OCEL400_PAL, 9600, 0), OCEL400_PORT_NOT_OPENED, "PortInitEx(7)");
  expectEq(lib::SetShape(5), OCEL400_WRITE_FAILED, "SetShape without a port");
  expectEq(lib::GetShape(), 0, "GetShape without a port");
  expectEq(lib::LastResult(), OCEL400_WRITE_FAILED, "GetShape's result without a port");
}

}  // namespace ocel::testing
