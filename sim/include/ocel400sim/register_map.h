// The camera's register file layout: factory values and the registers with a
// behaviour of their own, per model.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace ocelsim {

inline constexpr int kRegisterCount = 256;
inline constexpr int kMaxRegisterValue = 999;

using Registers = std::array<int, kRegisterCount>;

struct RegisterValue {
  std::uint8_t reg;
  std::uint16_t value;
};

// Registers that do more than hold a value. -1: the model has no such register.
struct RegisterRoles {
  int usflg;    // 1 keeps the user settings, 255 restores the factory values
  int ezSwBtn;  // keypad zoom buttons: bit 0 Tele, bit 1 Wide
  int dZoom;    // digital zoom position, moved by the keypad buttons
  int reBps;    // camera line speed code
  int rePrt;    // camera line parity code
};

// Registers not listed hold 0. Throws std::out_of_range for an unknown model.
std::span<const RegisterValue> factoryTable(int model);
const RegisterRoles& registerRoles(int model);

// The whole register file as it leaves the factory.
Registers factoryRegisters(int model);

}  // namespace ocelsim
