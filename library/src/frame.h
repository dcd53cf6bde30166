// The 14-byte ASCII command frame and the reading of replies.
//
//   byte  0-5   '0' x 6
//   byte  6     'W' write a register, 'R' read a register
//   byte  7-9   register number
//   byte 10-12  value, three decimal digits, hundreds first ("000" in a read)
//   byte 13     carriage return
#pragma once

#include <array>
#include <cstdint>

namespace ocel {

inline constexpr std::size_t kFrameSize = 14;
using Frame = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::uint8_t kDigitZero = 0x30;
inline constexpr std::uint8_t kCarriageReturn = 0x0D;
inline constexpr std::uint8_t kWriteLetter = 'W';
inline constexpr std::uint8_t kReadLetter = 'R';
inline constexpr std::uint8_t kAcceptedLetter = 'C';

// A frame of ASCII zeros with the command letter at byte 6 and CR at byte 13.
Frame blankFrame(std::uint8_t letter);

// A reply buffer before anything arrived: all ASCII zeros, so a camera that
// never answers reads as 0.
Frame zeroReplyBuffer();

// n (0...999) as three digits at bytes offset..offset+2.
void putDigits(Frame& frame, std::size_t offset, int n);

// The register number of a write command into bytes 7-9 (register 14 is
// '0', '1', '4').
void PutRegister(int reg, Frame& frame);

// The register field of a read request: byte 7 '0', byte 8 '0' + reg / 10,
// byte 9 '0' + reg % 10. Below 100 these are the three digits; from 100 on
// byte 8 passes '9' (register 125 is '0', '<', '5'), as the camera expects.
void putReadRegister(int reg, Frame& frame);

// A write command for reg with the value field already encoded.
Frame writeFrame(int reg, int value);

// The value of bytes 10-12, each taken as a signed character minus '0',
// without checking that they are digits.
std::int32_t decodeReplyValue(const Frame& reply);

// Acceptance rules: byte 6 'C' and byte 13 CR; a read reply must also echo
// bytes 8-9 of its request.
bool isAcceptedWriteReply(const Frame& reply);
bool isAcceptedReadReply(const Frame& reply, const Frame& request);

}  // namespace ocel
