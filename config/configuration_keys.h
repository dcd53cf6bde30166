// The two key sets of a configuration file: the classic panel's and the
// Settings page's, as data. Each key says how its value is read from the
// camera for saving, its default, how it is sent on loading and when.
//
// The tables are templates over the caller's entry points: anything whose
// members are named like the library's exports and called like them (a
// panel's entry point table, or the library linked directly).
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace ocel::config {

// Laid out by hand: the tables keep a row a line.
// clang-format off

inline constexpr const char* kSection = "Ocel400 Configuration";

template <class Camera>
struct ConfigurationKey {
  const char* key;
  std::int32_t defaultValue;
  int sendPosition;                                   // loading sends keys in this order
  std::int32_t (*read)(const Camera&);                // the value saved
  void (*send)(const Camera&, std::int32_t value);    // the value loaded, as read
};

// The gain in half decibels, as the file keeps it.
inline std::int32_t halfDecibels(double decibels) {
  const double doubled = std::trunc(2 * decibels);
  return std::isfinite(doubled) && std::fabs(doubled) < 2e9 ? static_cast<std::int32_t>(doubled)
                                                            : 0;
}
// And back: the file's value taken as unsigned, in dB. Above 24 dB a model
// 1 camera's gain goes in steps of 1.6 dB, which half decibels cut short by
// up to 0.5 dB (25.6 is kept as 51, 25.5 dB): such a value is sent as the
// step it was saved from, which the camera would otherwise take a step lower.
inline double decibelsFromHalfSteps(std::int32_t halfSteps) {
  const double decibels = static_cast<std::uint32_t>(halfSteps) * 0.5;
  if (decibels <= 24 || decibels > 48) return decibels;
  const double step = std::ceil((decibels - 24) / 1.6) * 1.6 + 24;
  return step - decibels < 0.5 ? step : decibels;
}

// The file's value as a setter's argument: cut to the argument's width (the
// low 16 or 8 bits), as the library's C interface takes it.
template <class Result, class Argument>
Argument asArgumentOf(Result (*)(Argument), std::int32_t value) {
  return static_cast<Argument>(value);
}

// A setting saved from its getter's value and loaded through its setter.
#define OCEL_PLAIN_KEY(name, stem, fallback, position)                                 \
  ConfigurationKey<Camera> {                                                           \
    name, fallback, position,                                                          \
        [](const Camera& c) -> std::int32_t { return c.Get##stem(); },                \
        [](const Camera& c, std::int32_t v) { c.Set##stem(asArgumentOf(c.Set##stem, v)); } \
  }
#define OCEL_GAIN_KEY(position)                                                           \
  ConfigurationKey<Camera> {                                                              \
    "MGC*2", 0, position, [](const Camera& c) { return halfDecibels(c.GetMGC()); },      \
        [](const Camera& c, std::int32_t v) { c.SetMGC(decibelsFromHalfSteps(v)); }      \
  }
// The shutter as the camera reports it (16 bits), not rounded.
#define OCEL_SHUTTER_KEY(position)                                                            \
  ConfigurationKey<Camera> {                                                                  \
    "MES", 0, position, [](const Camera& c) -> std::int32_t { return c.GetMES() & 0xFFFF; }, \
        [](const Camera& c, std::int32_t v) { c.SetMES(asArgumentOf(c.SetMES, v)); }         \
  }
// A row of the AE area grid, the whole 32-bit mask.
#define OCEL_AREA_ROW_KEY(name, row, fallback, position)                  \
  ConfigurationKey<Camera> {                                              \
    name, fallback, position,                                             \
        [](const Camera& c) -> std::int32_t { return c.ReadArea(row); },  \
        [](const Camera& c, std::int32_t v) { c.SelectArea(v, std::uint8_t{row}); } \
  }

// Both key sets begin alike: image mode, control source, gain, shutter,
// white balance and sharpness, with the same defaults and send positions.
#define OCEL_LEADING_KEYS                                                    \
  OCEL_PLAIN_KEY("NegPosMode", NegPos, 0, 1), OCEL_PLAIN_KEY("Mode", Mode, 0, 2), \
      OCEL_PLAIN_KEY("ModeGC", ModeGC, 2, 3), OCEL_GAIN_KEY(6),                   \
      OCEL_PLAIN_KEY("ModeES", ModeES, 2, 4), OCEL_SHUTTER_KEY(7),                \
      OCEL_PLAIN_KEY("ModeWB", ModeWB, 2, 5), OCEL_PLAIN_KEY("MWBR", MWBR, 128, 8), \
      OCEL_PLAIN_KEY("MWBB", MWBB, 128, 9), OCEL_PLAIN_KEY("Shape", Shape, 235, 10)

// The classic panel's keys, in the order a save writes them.
template <class Camera>
const std::vector<ConfigurationKey<Camera>>& classicKeys() {
  static const std::vector<ConfigurationKey<Camera>> keys{
      OCEL_LEADING_KEYS,
      OCEL_PLAIN_KEY("AgesRes", AgesRes, 32, 11),
      OCEL_PLAIN_KEY("CGamma", CGamma, 0, 12),
      OCEL_PLAIN_KEY("AEArea", AEArea, 64, 13),
      OCEL_PLAIN_KEY("ATWRes", ATWRes, 32, 14),
      OCEL_PLAIN_KEY("YGamma", YGamma, 128, 15),
      OCEL_PLAIN_KEY("Phase", Phase, 128, 16),
      OCEL_PLAIN_KEY("AEOff", AEOff, 118, 17),
      OCEL_PLAIN_KEY("AEMode", AEMode, 2, 18),
      OCEL_AREA_ROW_KEY("Zeile1", 1, 0, 19),
      OCEL_AREA_ROW_KEY("Zeile2", 2, 0, 20),
      OCEL_AREA_ROW_KEY("Zeile3", 3, 4, 21),  // the centre zone alone
      OCEL_AREA_ROW_KEY("Zeile4", 4, 0, 22),
      OCEL_AREA_ROW_KEY("Zeile5", 5, 0, 23),
  };
  return keys;
}

// The Settings page's keys, in the order a save writes them.
template <class Camera>
const std::vector<ConfigurationKey<Camera>>& settingsPageKeys() {
  static const std::vector<ConfigurationKey<Camera>> keys{
      OCEL_LEADING_KEYS,
      OCEL_PLAIN_KEY("AesRes", AesRes, 32, 11),
      OCEL_PLAIN_KEY("AgcRes", AgcRes, 32, 12),
      OCEL_PLAIN_KEY("CGamma", CGamma, 0, 13),
      OCEL_PLAIN_KEY("ATWRes", ATWRes, 32, 14),
      OCEL_PLAIN_KEY("YGamma", YGamma, 128, 15),
      OCEL_PLAIN_KEY("Phase", Phase, 128, 16),
      OCEL_PLAIN_KEY("Rate0", Rate0, 255, 17),
      OCEL_PLAIN_KEY("Rate1", Rate1, 255, 18),
      OCEL_PLAIN_KEY("Rate2", Rate2, 255, 19),
      OCEL_PLAIN_KEY("Rate3", Rate3, 255, 20),
      OCEL_PLAIN_KEY("Rate4", Rate4, 255, 21),
      OCEL_PLAIN_KEY("Rate5", Rate5, 255, 22),
      OCEL_PLAIN_KEY("RateP", RateP, 64, 23),
      OCEL_PLAIN_KEY("AELevel", AELevel, 128, 24),
      OCEL_PLAIN_KEY("MaxGain", MaxGain, 240, 25),
      OCEL_PLAIN_KEY("MinGain", MinGain, 0, 26),
      OCEL_PLAIN_KEY("ESMax", ESMax, 255, 27),
      OCEL_PLAIN_KEY("ESMin", ESMin, 0, 28),
      OCEL_PLAIN_KEY("RePrt", RePrt, 0, 29),
      OCEL_PLAIN_KEY("ReBps", ReBps, 0, 30),
      OCEL_PLAIN_KEY("EZSWBtn", EZSWBtn, 0, 31),
      OCEL_PLAIN_KEY("EZPane", EZPane, 128, 33),
      OCEL_PLAIN_KEY("EZTilt", EZTilt, 128, 34),
      OCEL_PLAIN_KEY("DZoom", DZoom, 255, 32),
      OCEL_PLAIN_KEY("AEMode", AEMode, 0, 35),
      OCEL_PLAIN_KEY("DigAgc", DigAgc, 3, 36),
  };
  return keys;
}

#undef OCEL_PLAIN_KEY
#undef OCEL_GAIN_KEY
#undef OCEL_SHUTTER_KEY
#undef OCEL_AREA_ROW_KEY
#undef OCEL_LEADING_KEYS

// clang-format on

}  // namespace ocel::config
