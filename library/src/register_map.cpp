#include "register_map.h"

namespace ocel {

const std::array<RegisterMapRow, kSettingCount> kRegisterMapRows{{
    {Setting::Mode, "Mode", 0, 0},
    {Setting::ModeGC, "ModeGC", 1, 1},
    {Setting::ModeES, "ModeES", 2, 2},
    {Setting::ModeWB, "ModeWB", 3, 3},
    {Setting::ModeZM, "ModeZM", kAbsentOnModel0, 5},
    {Setting::MGC, "MGC", 7, 7},
    {Setting::MES, "MES", 8, 8},
    {Setting::MWBR, "MWBR", 9, 9},
    {Setting::MWBB, "MWBB", 10, 10},
    {Setting::AEOff, "AEOff", 14, 22},
    {Setting::AEArea, "AEArea", 15, kUnassigned},
    {Setting::AgesRes, "AgesRes", 16, 28},
    {Setting::AesRes, "AesRes", 16, 29},
    {Setting::Shape, "Shape", 17, 14},
    {Setting::YGamma, "YGamma", 18, 15},
    {Setting::CGamma, "CGamma", 19, 16},
    {Setting::NegPos, "NegPos", 20, 20},
    {Setting::Phase, "Phase", 21, 26},
    {Setting::ATWRes, "ATWRes", 23, 30},
    {Setting::AEMode, "AEMode", 24, 21},
    {Setting::Usflg, "Usflg", 31, 127},
    {Setting::DZoom, "DZoom", kAbsentOnModel0, 17},
    {Setting::AELevel, "AELevel", kAbsentOnModel0, 22},
    {Setting::EZPane, "EZPane", kAbsentOnModel0, 23},
    {Setting::EZTilt, "EZTilt", kAbsentOnModel0, 24},
    {Setting::EZDemo, "EZDemo", kAbsentOnModel0, 25},
    {Setting::DigAgc, "DigAgc", kAbsentOnModel0, 27},
    {Setting::EZSWBtn, "EZSWBtn", kAbsentOnModel0, 33},
    {Setting::ESMin, "ESMin", kAbsentOnModel0, 35},
    {Setting::ESMax, "ESMax", kAbsentOnModel0, 36},
    {Setting::MaxGain, "MaxGain", kAbsentOnModel0, 37},
    {Setting::MinGain, "MinGain", kAbsentOnModel0, 38},
    {Setting::EZMinn, "EZMinn", kAbsentOnModel0, 43},
    {Setting::Rate0, "Rate0", kAbsentOnModel0, 55},
    {Setting::Rate1, "Rate1", kAbsentOnModel0, 56},
    {Setting::Rate2, "Rate2", kAbsentOnModel0, 57},
    {Setting::Rate3, "Rate3", kAbsentOnModel0, 58},
    {Setting::Rate4, "Rate4", kAbsentOnModel0, 59},
    {Setting::Rate5, "Rate5", kAbsentOnModel0, 60},
    {Setting::RateP, "RateP", kAbsentOnModel0, 61},
    {Setting::DioSel, "DioSel", kAbsentOnModel0, 101},
    {Setting::ReBps, "ReBps", kAbsentOnModel0, 125},
    {Setting::RePrt, "RePrt", kAbsentOnModel0, 126},
}};

const std::array<ShutterCodeRow, kShutterSpeedCount> kShutterCodeRows{{
    {50, 1, 1},       {60, 7, 1},       {100, 29, 21},    {120, 36, 28},
    {175, 51, 43},    {250, 64, 57},    {350, 78, 70},    {500, 93, 84},
    {700, 105, 98},   {1000, 119, 112}, {1400, 132, 125}, {2000, 147, 140},
    {2800, 161, 154}, {4000, 175, 167}, {5600, 188, 178}, {8000, 202, 191},
    {10000, 211, 199}, {16000, 231, 219}, {20000, 239, 231}, {30000, 255, 248},
}};

void fillRegisterMap(RegisterMap& map, std::int32_t model) {
  if (model != 0 && model != 1) return;
  for (const RegisterMapRow& row : kRegisterMapRows) {
    const std::int32_t reg = model == 0 ? row.model0 : row.model1;
    if (reg != kUnassigned) map[static_cast<int>(row.setting)] = reg;
  }
}

void fillShutterCodes(ShutterCodes& codes, std::int32_t standard) {
  if (standard != 0 && standard != 1) return;
  for (int i = 0; i < kShutterSpeedCount; ++i)
    codes[i] = standard == 0 ? kShutterCodeRows[i].pal : kShutterCodeRows[i].ntsc;
}

}  // namespace ocel
