#include "ocel400sim/register_map.h"

#include <stdexcept>

namespace ocelsim {
namespace {

// Model 0. The automatic-exposure area grid rows 1..5 sit at registers 25..29.
constexpr RegisterValue kModel0Factory[] = {
    {0, 0},     // Mode
    {1, 2},     // ModeGC
    {2, 2},     // ModeES
    {3, 2},     // ModeWB
    {7, 0},     // MGC
    {8, 0},     // MES
    {9, 128},   // MWBR
    {10, 128},  // MWBB
    {14, 118},  // AEOff
    {15, 64},   // AEArea
    {16, 32},   // AgesRes
    {17, 235},  // Shape
    {18, 128},  // YGamma
    {19, 0},    // CGamma
    {20, 0},    // NegPos
    {21, 128},  // Phase
    {23, 32},   // ATWRes
    {24, 2},    // AEMode
    {25, 0},    // area row 1
    {26, 0},    // area row 2
    {27, 4},    // area row 3: the centre cell
    {28, 0},    // area row 4
    {29, 0},    // area row 5
    {31, 0},    // Usflg
};

constexpr RegisterValue kModel1Factory[] = {
    {0, 0},     // Mode
    {1, 2},     // ModeGC
    {2, 2},     // ModeES
    {3, 2},     // ModeWB
    {5, 0},     // ModeZM
    {7, 0},     // MGC
    {8, 0},     // MES
    {9, 198},   // MWBR
    {10, 53},   // MWBB
    {14, 128},  // Shape
    {15, 128},  // YGamma
    {16, 32},   // CGamma
    {17, 255},  // DZoom: wide end
    {20, 0},    // NegPos
    {21, 0},    // AEMode
    {22, 128},  // AEOff and AELevel share this register
    {23, 128},  // EZPane
    {24, 128},  // EZTilt
    {25, 0},    // EZDemo
    {26, 128},  // Phase
    {27, 3},    // DigAgc
    {28, 1},    // AgesRes / AgcRes
    {29, 1},    // AesRes
    {30, 5},    // ATWRes
    {33, 0},    // EZSWBtn
    {35, 0},    // ESMin
    {36, 155},  // ESMax
    {37, 240},  // MaxGain
    {38, 0},    // MinGain
    {43, 64},   // EZMinn
    {55, 255},  // Rate0
    {56, 255},  // Rate1
    {57, 255},  // Rate2
    {58, 255},  // Rate3
    {59, 255},  // Rate4
    {60, 255},  // Rate5
    {61, 64},   // RateP
    {101, 10},  // DioSel
    {125, 96},  // ReBps: 9600 baud
    {126, 0},   // RePrt: no parity
    {127, 0},   // Usflg
};

constexpr RegisterRoles kModel0Roles{31, -1, -1, -1, -1};
constexpr RegisterRoles kModel1Roles{127, 33, 17, 125, 126};

void checkModel(int model) {
  if (model != 0 && model != 1) throw std::out_of_range("unknown camera model");
}

}  // namespace

std::span<const RegisterValue> factoryTable(int model) {
  checkModel(model);
  if (model == 0) return kModel0Factory;
  return kModel1Factory;
}

const RegisterRoles& registerRoles(int model) {
  checkModel(model);
  return model == 0 ? kModel0Roles : kModel1Roles;
}

Registers factoryRegisters(int model) {
  Registers registers{};
  for (const RegisterValue& entry : factoryTable(model)) registers[entry.reg] = entry.value;
  return registers;
}

}  // namespace ocelsim
