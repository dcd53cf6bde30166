#include "reading.h"

#include "conversions.h"
#include "exchange.h"
#include "library_state.h"
#include "setting_commands.h"

namespace ocel {

namespace {

std::int32_t readRegisterValue(int reg) {
  std::int32_t value = 0;
  recordResult(ReadRegister(libraryState().line.get(), reg, value));
  return value;
}

std::int32_t readSettingValue(Setting setting) {
  return readRegisterValue(registerOf(libraryState().registers, setting));
}

}  // namespace

std::uint8_t readPlainSetting(Setting setting) {
  return static_cast<std::uint8_t>(readSettingValue(setting) & 0xFF);
}

double readGain() {
  const std::int32_t code = readSettingValue(Setting::MGC);
  return decibelFromGainCode(code, libraryState().model);
}

std::uint16_t readShutter() {
  const std::int32_t code = readSettingValue(Setting::MES);
  return speedFromShutterCode(code, libraryState().standard);
}

std::int32_t readAreaRow(std::int32_t row) {
  if (row < 0 || row > kLastAreaRow) {
    recordResult(OCEL400_BAD_ARGUMENT);
    return 0;
  }
  return mirrorAreaRow(readRegisterValue(kAreaRowBaseRegister + row));
}

}  // namespace ocel
