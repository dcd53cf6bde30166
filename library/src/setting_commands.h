// What the setter exports do: bring the argument into range, fill a write
// frame for the setting's register and run the write exchange.
#pragma once

#include <cstdint>

#include "setter_rules.h"

namespace ocel {

// For the settings Ocel400_settings.h marks RANGED.
std::uint16_t writePlainSetting(Setting setting, std::int64_t value);
std::uint16_t writeUserFlag(std::uint16_t value);
std::uint16_t writeGain(double decibel);
std::uint16_t writeShutter(std::uint16_t speed);
std::uint16_t writeAreaRow(std::int32_t mask, std::uint8_t row);

// Area rows live in the fixed registers 24 + row, outside the register map.
inline constexpr int kAreaRowBaseRegister = 24;
inline constexpr int kLastAreaRow = 5;

}  // namespace ocel
