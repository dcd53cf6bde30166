// What the getter exports do: one read exchange for the setting's register,
// then the setting's conversion.
#pragma once

#include <cstdint>

#include "register_map.h"

namespace ocel {

std::uint8_t readPlainSetting(Setting setting);
double readGain();
std::uint16_t readShutter();
std::int32_t readAreaRow(std::int32_t row);

}  // namespace ocel
