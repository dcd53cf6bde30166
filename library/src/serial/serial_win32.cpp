// The serial line on Windows, through the Win32 communications functions.
#include <windows.h>

#include <utility>

#include "Ocel400_ports.h"
#include "serial_line.h"

namespace ocel::serial {

namespace {

bool isSupportedBaud(std::int32_t baud) { return baud == 2400 || baud == 4800 || baud == 9600; }

// 8N1 without flow control, DTR raised, RTS low until a command goes out.
// Everything else keeps what the port reported.
void applyLineSettings(DCB& dcb, const LineSettings& settings) {
  dcb.fBinary = TRUE;  // Windows supports nothing else
  dcb.ByteSize = 8;
  dcb.StopBits = ONESTOPBIT;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fTXContinueOnXoff = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;

  if (isSupportedBaud(settings.baud)) dcb.BaudRate = static_cast<DWORD>(settings.baud);
  switch (settings.parity) {
    case 0: dcb.Parity = NOPARITY; break;
    case 1: dcb.Parity = ODDPARITY; break;
    case 2: dcb.Parity = EVENPARITY; break;
    default: break;  // not a parity code: keep the port's
  }
}

// A read of n bytes waits at most n x 10 ms in all; the write time-outs stay
// as the port had them.
void applyReadTimeouts(COMMTIMEOUTS& timeouts) {
  timeouts.ReadIntervalTimeout = 0;
  timeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(kReadTimeoutPerByte.count());
  timeouts.ReadTotalTimeoutConstant = 0;
}

class Win32SerialLine final : public SerialLine {
 public:
  explicit Win32SerialLine(HANDLE handle) : handle_(handle) {}

  ~Win32SerialLine() override { CloseHandle(handle_); }

  Win32SerialLine(const Win32SerialLine&) = delete;
  Win32SerialLine& operator=(const Win32SerialLine&) = delete;

  void discardInput() override { PurgeComm(handle_, PURGE_RXCLEAR); }

  // Fails on a line without modem control (Wine on a pseudo-terminal, some
  // adapters); the frames pass all the same.
  void setRts(bool raised) override { EscapeCommFunction(handle_, raised ? SETRTS : CLRRTS); }

  bool writeAll(const std::uint8_t* data, std::size_t size) override {
    std::size_t done = 0;
    while (done < size) {
      DWORD written = 0;
      if (!WriteFile(handle_, data + done, static_cast<DWORD>(size - done), &written, nullptr))
        return false;
      if (written == 0) return false;  // the port's write time-out passed without progress
      done += written;
    }
    // Waits until the bytes have left the port, so RTS falls behind the last
    // stop bit. A driver that cannot tell has taken the bytes all the same.
    FlushFileBuffers(handle_);
    return true;
  }

  std::size_t read(std::uint8_t* buffer, std::size_t size) override {
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
    return got;
  }

  void pause(std::chrono::milliseconds duration) override {
    Sleep(static_cast<DWORD>(duration.count()));
  }

 private:
  HANDLE handle_;
};

// Closes the handle on every early return of the open sequence, keeping
// the last error: it tells the caller why the port could not be opened.
struct HandleGuard {
  HANDLE handle;
  ~HandleGuard() {
    if (handle == INVALID_HANDLE_VALUE) return;
    const DWORD cause = GetLastError();
    CloseHandle(handle);
    SetLastError(cause);
  }
  HANDLE release() { return std::exchange(handle, INVALID_HANDLE_VALUE); }
};

}  // namespace

std::unique_ptr<SerialLine> openSerialLine(const std::string& portName,
                                           const LineSettings& settings) {
  const std::string path = ocel400::devicePathForPort(portName);
  if (path.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    return nullptr;
  }

  // Share mode 0: nobody else may open the port while the library holds it.
  HandleGuard guard{CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (guard.handle == INVALID_HANDLE_VALUE) return nullptr;

  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(guard.handle, &dcb)) return nullptr;  // not a serial port; its error stays
  applyLineSettings(dcb, settings);
  // Ignored: Wine reports failure on a pseudo-terminal (it cannot set the
  // parity there) after applying the speed. A port that really kept another
  // speed shows as a camera that does not answer.
  SetCommState(guard.handle, &dcb);

  // Without the port's own time-outs, the write time-outs stay zero (none).
  COMMTIMEOUTS timeouts{};
  GetCommTimeouts(guard.handle, &timeouts);
  applyReadTimeouts(timeouts);
  SetCommTimeouts(guard.handle, &timeouts);  // ignored: reads then wait as the port says

  PurgeComm(guard.handle, PURGE_RXCLEAR);  // bytes that came while the port was closed are stale
  return std::make_unique<Win32SerialLine>(guard.release());
}

}  // namespace ocel::serial
