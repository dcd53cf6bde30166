#include "setting_commands.h"

#include "conversions.h"
#include "exchange.h"
#include "frame.h"
#include "library_state.h"

namespace ocel {

namespace {

Frame settingFrame(Setting setting) {
  Frame frame = blankFrame(kWriteLetter);
  PutRegister(registerOf(libraryState().registers, setting), frame);
  return frame;
}

std::uint16_t send(const Frame& frame) {
  return recordResult(SendFrame(libraryState().line.get(), frame));
}

}  // namespace

std::uint16_t writePlainSetting(Setting setting, std::int64_t value) {
  const SetterRule& rule = setterRule(setting);
  const int accepted = acceptedValue(rule, value);
  Frame frame = settingFrame(setting);
  if (rule.field == ValueField::OneDigit)
    frame[12] = static_cast<std::uint8_t>(kDigitZero + accepted);
  else putDigits(frame, 10, accepted);
  return send(frame);
}

std::uint16_t writeUserFlag(std::uint16_t value) {
  // 1 keeps the user settings, 255 restores the factory ones; the camera
  // knows no other value, so nothing is sent for it.
  if (value != 1 && value != 255) return recordResult(OCEL400_DONE);
  Frame frame = settingFrame(Setting::Usflg);
  putDigits(frame, 10, value);
  return send(frame);
}

std::uint16_t writeGain(double decibel) {
  const LibraryState& st = libraryState();
  const auto digits = gainCodeDigits(gainCodeFromDecibel(decibel, st.model));
  Frame frame = settingFrame(Setting::MGC);
  for (int i = 0; i < 3; ++i) frame[10 + i] = static_cast<std::uint8_t>(kDigitZero + digits[i]);
  return send(frame);
}

std::uint16_t writeShutter(std::uint16_t speed) {
  const LibraryState& st = libraryState();
  const std::int32_t code = shutterCodeFromSpeed(speed, st.standard, st.shutterCodes);
  Frame frame = settingFrame(Setting::MES);
  putDigits(frame, 10, code & 0xFFFF);
  return send(frame);
}

std::uint16_t writeAreaRow(std::int32_t mask, std::uint8_t row) {
  if (row > kLastAreaRow) return recordResult(OCEL400_BAD_ARGUMENT);
  Frame frame = blankFrame(kWriteLetter);
  PutRegister(kAreaRowBaseRegister + row, frame);
  putDigits(frame, 10, mirrorAreaRow(mask & 0x1F));  // five cells: mask modulo 32
  return send(frame);
}

}  // namespace ocel
