// The 14-byte frames on the line. A request is "000000", 'W' or 'R', the
// register in bytes 7..9, the value in bytes 10..12 and CR. In a read request
// the register is sent as byte 8 = '0' + register/10 and byte 9 = '0' +
// register%10, so registers from 100 on carry a byte past '9' at 8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ocelsim {

inline constexpr std::size_t kFrameLength = 14;
inline constexpr char kCarriageReturn = '\r';

inline constexpr char kAccepted = 'C';
inline constexpr char kRejected = 'E';  // malformed frame
inline constexpr char kNotAcknowledged = 'N';

enum class Command { Write, Read };

struct Request {
  Command command;
  int reg;
  int value;  // a write's value; 0 for a read
};

// nullopt when the frame is malformed: wrong length, prefix or terminator, a
// letter other than W and R, a non-digit where digits belong, or a register
// past 255.
std::optional<Request> decodeRequest(std::string_view frame);

// The reply that echoes request bytes 7..12 with `status` at byte 6 (writes
// and malformed frames). Missing request bytes read as '0'.
std::string echoReply(std::string_view frame, char status);

// The reply to a read: request bytes 7..9 echoed, the value as three digits.
std::string readReply(std::string_view frame, int value, char status);

// Bytes 8..9 of a request for register `reg`, encoded as `command` does it.
std::string registerBytes(Command command, int reg);

// Requests as a PC sends them.
std::string encodeWrite(int reg, int value);
std::string encodeRead(int reg);

}  // namespace ocelsim
