#include "settings_catalog.h"

#include <array>
#include <cctype>

#include "Ocel400.h"

namespace ocelctl {

namespace {

// The setter takes the value as the library's C interface does: the
// conversion to its argument type keeps the low 16 (or 8) bits.
#define PLAIN(Stem, models)                                                            \
  SettingEntry {                                                                       \
    #Stem, ValueKind::Plain, models, [] { return static_cast<double>(Get##Stem()); }, \
        [](double v) { return Set##Stem(static_cast<std::int32_t>(v)); }               \
  }

constexpr Models kBoth = Models::Both;
constexpr Models kModel1 = Models::Model1Only;

// In the order of the camera's register map.
const std::array kSettings{
    PLAIN(Mode, kBoth),
    PLAIN(ModeGC, kBoth),
    PLAIN(ModeES, kBoth),
    PLAIN(ModeWB, kBoth),
    PLAIN(ModeZM, kModel1),
    SettingEntry{"MGC", ValueKind::Decibel, kBoth, [] { return GetMGC(); },
                 [](double v) { return SetMGC(v); }},
    SettingEntry{"MES", ValueKind::ShutterSpeed, kBoth,
                 [] { return static_cast<double>(GetMES()); },
                 [](double v) { return SetMES(static_cast<std::uint16_t>(v)); }},
    PLAIN(MWBR, kBoth),
    PLAIN(MWBB, kBoth),
    PLAIN(AEOff, kBoth),
    PLAIN(AEArea, Models::Model0Only),
    PLAIN(AgesRes, kBoth),
    PLAIN(AgcRes, kBoth),
    PLAIN(AesRes, kBoth),
    PLAIN(Shape, kBoth),
    PLAIN(YGamma, kBoth),
    PLAIN(CGamma, kBoth),
    PLAIN(NegPos, kBoth),
    PLAIN(Phase, kBoth),
    PLAIN(ATWRes, kBoth),
    PLAIN(AEMode, kBoth),
    PLAIN(Usflg, kBoth),
    PLAIN(DZoom, kModel1),
    PLAIN(AELevel, kModel1),
    PLAIN(EZPane, kModel1),
    PLAIN(EZTilt, kModel1),
    PLAIN(EZDemo, kModel1),
    PLAIN(DigAgc, kModel1),
    PLAIN(EZSWBtn, kModel1),
    PLAIN(ESMin, kModel1),
    PLAIN(ESMax, kModel1),
    PLAIN(MaxGain, kModel1),
    PLAIN(MinGain, kModel1),
    PLAIN(EZMinn, kModel1),
    PLAIN(Rate0, kModel1),
    PLAIN(Rate1, kModel1),
    PLAIN(Rate2, kModel1),
    PLAIN(Rate3, kModel1),
    PLAIN(Rate4, kModel1),
    PLAIN(Rate5, kModel1),
    PLAIN(RateP, kModel1),
    PLAIN(DioSel, kModel1),
    PLAIN(ReBps, kModel1),
    PLAIN(RePrt, kModel1),
};

#undef PLAIN

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::span<const SettingEntry> allSettings() { return kSettings; }

bool existsOnModel(const SettingEntry& entry, int model) {
  switch (entry.models) {
    case Models::Both: return true;
    case Models::Model1Only: return model == 1;
    case Models::Model0Only: return model == 0;
  }
  return false;
}

const SettingEntry* findSetting(std::string_view name) {
  for (const SettingEntry& entry : kSettings)
    if (sameName(entry.name, name)) return &entry;
  return nullptr;
}

std::string settingNames(int model) {
  std::string names;
  for (const SettingEntry& entry : kSettings) {
    if (!existsOnModel(entry, model)) continue;
    if (!names.empty()) names += ", ";
    names += entry.name;
  }
  return names;
}

}  // namespace ocelctl
