// Opening COM1 on Windows: the line settings reach the port, a reopen keeps
// it usable, and a missing or vanished port fails at once.
#include <windows.h>

#include "checks.h"
#include "lib_exports.h"
#include "scenarios.h"

namespace ocel::testing {

namespace {

// Leaves COM1 at the given speed, as another program might.
bool leaveCom1At(DWORD baud) {
  const HANDLE port = CreateFileA("\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (port == INVALID_HANDLE_VALUE) return false;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  bool set = GetCommState(port, &dcb);
  if (set) {
    dcb.BaudRate = baud;
    set = SetCommState(port, &dcb);
  }
  CloseHandle(port);
  return set;
}

}  // namespace

void runPort(CameraControl& camera) {
  // First, while the library holds no baud rate: the port keeps the speed it
  // has, and the 9600 baud camera hears nothing.
  camera.start(1);
  expectTrue(leaveCom1At(4800), "COM1 left at 4800 baud");
  expectEq(lib::PortInit(1), OCEL400_DONE, "PortInit before PortInitEx");
  expectEq(lib::SetShape(9), OCEL400_NOT_ACKNOWLEDGED, "SetShape at the port's speed");
  expectEq(camera.lastPcBaud(), 4800, "PC speed without a stored baud rate");

  struct LineCase {
    int model, baud, parity, cameraBaud;
  } lineCases[] = {{1, 4800, 1, 4800}, {1, 2400, 2, 2400}, {0, 2400, 2, 9600}};  // model 0: 9600
  for (const LineCase& c : lineCases) {
    const std::string name = "model " + std::to_string(c.model) + " at " + std::to_string(c.baud);
    camera.start(c.model, c.cameraBaud);
    expectEq(lib::PortInitEx(1, c.model, OCEL400_PAL, c.baud, c.parity), OCEL400_DONE, name);
    expectEq(lib::SetShape(5), OCEL400_DONE, name + " SetShape");
    expectEq(camera.lastPcBaud(), c.cameraBaud, name + " PC speed");
  }

  camera.start(1);
  expectEq(lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
  expectEq(lib::PortInit(1), OCEL400_DONE, "PortInit of the open port");
  expectEq(lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx again");
  expectEq(lib::GetShape(), 128, "GetShape after reopening");
  expectEq(lib::LastResult(), OCEL400_DONE, "GetShape's result after reopening");

  // The camera goes, as with an unplugged adapter: the write fails, no retries.
  camera.stop();
  std::uint16_t result = 0;
  const auto elapsed = timed([&] { result = lib::SetShape(5); });
  expectEq(result, OCEL400_WRITE_FAILED, "SetShape to a vanished camera");
  expectTrue(elapsed.count() < 1000, "SetShape to a vanished camera took " +
                                         std::to_string(elapsed.count()) + " ms");

  // COM7 leads to a path where nothing is (see scripts/wine-prefix.sh).
  expectEq(lib::PortInitEx(7, 1, OCEL400_PAL, 9600, 0), OCEL400_PORT_NOT_OPENED, "PortInitEx(7)");
  expectEq(lib::SetShape(5), OCEL400_WRITE_FAILED, "SetShape without a port");
  expectEq(lib::GetShape(), 0, "GetShape without a port");
  expectEq(lib::LastResult(), OCEL400_WRITE_FAILED, "GetShape's result without a port");
}

}  // namespace ocel::testing
