#include "register_map.h"

namespace ocel {

namespace {

struct RegisterMapRow {
  Setting setting;
  std::int32_t model0;
  std::int32_t model1;
};

using S = Setting;

// One row per map entry, keyed by setting; AgcRes has no entry.
constexpr RegisterMapRow kRegisterMapRows[] = {
    {S::Mode, 0, 0},
    {S::ModeGC, 1, 1},
    {S::ModeES, 2, 2},
    {S::ModeWB, 3, 3},
    {S::ModeZM, kAbsentOnModel0, 5},
    {S::MGC, 7, 7},
    {S::MES, 8, 8},
    {S::MWBR, 9, 9},
    {S::MWBB, 10, 10},
    {S::AEOff, 14, 22},
    {S::AEArea, 15, kUnassigned},
    {S::AgesRes, 16, 28},
    {S::AesRes, 16, 29},
    {S::Shape, 17, 14},
    {S::YGamma, 18, 15},
    {S::CGamma, 19, 16},
    {S::NegPos, 20, 20},
    {S::Phase, 21, 26},
    {S::ATWRes, 23, 30},
    {S::AEMode, 24, 21},
    {S::Usflg, 31, 127},
    {S::DZoom, kAbsentOnModel0, 17},
    {S::AELevel, kAbsentOnModel0, 22},
    {S::EZPane, kAbsentOnModel0, 23},
    {S::EZTilt, kAbsentOnModel0, 24},
    {S::EZDemo, kAbsentOnModel0, 25},
    {S::DigAgc, kAbsentOnModel0, 27},
    {S::EZSWBtn, kAbsentOnModel0, 33},
    {S::ESMin, kAbsentOnModel0, 35},
    {S::ESMax, kAbsentOnModel0, 36},
    {S::MaxGain, kAbsentOnModel0, 37},
    {S::MinGain, kAbsentOnModel0, 38},
    {S::EZMinn, kAbsentOnModel0, 43},
    {S::Rate0, kAbsentOnModel0, 55},
    {S::Rate1, kAbsentOnModel0, 56},
    {S::Rate2, kAbsentOnModel0, 57},
    {S::Rate3, kAbsentOnModel0, 58},
    {S::Rate4, kAbsentOnModel0, 59},
    {S::Rate5, kAbsentOnModel0, 60},
    {S::RateP, kAbsentOnModel0, 61},
    {S::DioSel, kAbsentOnModel0, 101},
    {S::ReBps, kAbsentOnModel0, 125},
    {S::RePrt, kAbsentOnModel0, 126},
};

// Every setting but AgcRes has exactly one row, and a setting has a
// register on a model exactly when Ocel400_settings.h says the model has it.
enum class Models { BOTH_MODELS, MODEL_1_ONLY, MODEL_0_ONLY };
#define OCEL_MODELS_OF(stem, argument, result, kind, models) Models::models,
constexpr Models kModelsOf[] = {OCEL400_SETTINGS(OCEL_MODELS_OF)};
#undef OCEL_MODELS_OF

constexpr bool mapMatchesTheList() {
  int rowsOf[kSettingCount] = {};
  for (const RegisterMapRow& row : kRegisterMapRows) {
    const int i = static_cast<int>(row.setting);
    ++rowsOf[i];
    const bool onModel0 = row.model0 != kAbsentOnModel0;
    const bool onModel1 = row.model1 != kUnassigned;
    const Models models = kModelsOf[i];
    if (onModel0 != (models != Models::MODEL_1_ONLY)) return false;
    if (onModel1 != (models != Models::MODEL_0_ONLY)) return false;
  }
  for (int i = 0; i < kSettingCount; ++i)
    if (rowsOf[i] != (mapEntryOf(Setting(i)) == Setting(i) ? 1 : 0)) return false;
  return true;
}
static_assert(mapMatchesTheList());

}  // namespace

const std::array<ShutterCodeRow, kShutterSpeedCount> kShutterCodeRows{{
    {50, 1, 1},       {60, 7, 1},        {100, 29, 21},     {120, 36, 28},     {175, 51, 43},
    {250, 64, 57},    {350, 78, 70},     {500, 93, 84},     {700, 105, 98},    {1000, 119, 112},
    {1400, 132, 125}, {2000, 147, 140},  {2800, 161, 154},  {4000, 175, 167},  {5600, 188, 178},
    {8000, 202, 191}, {10000, 211, 199}, {16000, 231, 219}, {20000, 239, 231}, {30000, 255, 248},
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
