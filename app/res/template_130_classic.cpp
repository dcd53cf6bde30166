// Template 130, the classic camera panel for model 0.
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

namespace ocel::res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::kDefaultButton;
using platform::kNoId;

namespace {

namespace ids = classic_panel;

ControlTemplate option(int id, const char* text, int x, int y, int width) {
  return {id, ControlKind::OptionButton, text, x, y, width, 10};
}
ControlTemplate label(int id, const char* text, int x, int y, int width, int height = 8) {
  return {id, ControlKind::Label, text, x, y, width, height};
}
ControlTemplate caption(const char* text, int x, int y) {
  // Fixed captions are as wide as their text needs.
  return {kNoId, ControlKind::Label, text, x, y, 60, 8};
}
ControlTemplate slider(int id, int x, int y, int width) {
  return {id, ControlKind::HorizontalScrollBar, "", x, y, width, 11};
}
ControlTemplate frame(int id, int x, int y, int width, int height) {
  return {id, ControlKind::GroupFrame, "", x, y, width, height};
}

std::vector<ControlTemplate> controls() {
  std::vector<ControlTemplate> list{
      {platform::kIdOk, ControlKind::PushButton, "OK", 313, 136, 50, 14, kDefaultButton},
      {platform::kIdCancel, ControlKind::PushButton, "Abbrechen", 314, 156, 50, 14},
      option(ids::kNegative, "Negativ", 12, 25, 41),
      option(ids::kPositive, "Positiv", 12, 37, 37),
      option(ids::kCameraMode, "Camera", 62, 25, 40),
      option(ids::kRemoteMode, "Remote", 62, 37, 41),
      {ids::kSave, ControlKind::PushButton, "", 154, 22, 8, 6},
      {ids::kReset, ControlKind::PushButton, "", 154, 31, 8, 6},
      {ids::kConfigSave, ControlKind::PushButton, "", 154, 40, 8, 6},
      {ids::kConfigLoad, ControlKind::PushButton, "", 154, 49, 8, 6},
      option(ids::kGain0dB, "0 dB", 174, 24, 31),
      option(ids::kGain6dB, "6 dB", 174, 37, 31),
      option(ids::kGainAuto, "Automatic", 174, 50, 47),
      option(ids::kGainManual, "Manual", 174, 63, 39),
      label(ids::kGainLabel, "MGC", 174, 75, 17),
      slider(ids::kGainSlider, 174, 84, 52),
      option(ids::kShutter50, "1 / 50", 241, 24, 35),
      option(ids::kShutterFL, "FL", 241, 37, 24),
      option(ids::kShutterAuto, "Automatic", 241, 50, 47),
      option(ids::kShutterManual, "Manual", 241, 63, 39),
      label(ids::kShutterPrefix, "1/", 241, 75, 8),
      label(ids::kShutterLabel, "MES", 255, 75, 32),
      slider(ids::kShutterSlider, 242, 84, 55),
      option(ids::kWb3200, "3200", 308, 24, 32),
      option(ids::kWb5600, "5600", 308, 37, 32),
      option(ids::kWbAuto, "Automatic", 308, 50, 47),
      option(ids::kWbManual, "Manual", 308, 63, 39),
      label(ids::kRedLabel, "MWBR", 325, 75, 43, 10),
      slider(ids::kRedSlider, 308, 85, 55),
      label(ids::kBlueLabel, "MWBB", 325, 98, 24),
      slider(ids::kBlueSlider, 308, 107, 56),
      slider(ids::kSharpnessSlider, 13, 75, 69),
      label(ids::kSharpnessLabel, "SHAPE", 61, 66, 25),
      slider(ids::kAtwSpeedSlider, 93, 75, 69),
      label(ids::kAtwSpeedLabel, "ATWR", 141, 66, 23),
      slider(ids::kAeSpeedSlider, 13, 99, 69),
      label(ids::kAeSpeedLabel, "AGESR", 61, 90, 26),
      slider(ids::kYGammaSlider, 93, 99, 69),
      label(ids::kYGammaLabel, "YGam", 141, 90, 20),
      slider(ids::kCGammaSlider, 13, 123, 69),
      label(ids::kCGammaLabel, "CGam", 61, 114, 20),
      slider(ids::kPhaseSlider, 93, 123, 69),
      label(ids::kPhaseLabel, "Phase", 141, 114, 21),
      slider(ids::kAeAreaSlider, 13, 147, 69),
      label(ids::kInsideLabel, "In", 54, 162, 23),
      label(ids::kOutsideLabel, "Out", 54, 177, 25),
      slider(ids::kAeReferenceSlider, 93, 147, 69),
      label(ids::kAeReferenceLabel, "AEOff", 141, 138, 20),
      option(ids::kAllArea, "AllArea", 172, 121, 38),
      option(ids::kSpot, "Spot", 172, 136, 31),
      option(ids::kVariable, "Variable", 172, 151, 41),
      option(ids::kSelect, "Select", 172, 166, 36),
      frame(ids::kGainFrame, 170, 7, 65, 96),
      frame(ids::kShutterFrame, 238, 7, 66, 96),
      frame(ids::kWhiteBalanceFrame, 305, 7, 66, 116),
      frame(ids::kAeModeFrame, 170, 101, 133, 90),
      frame(kNoId, 6, 7, 49, 53),
      frame(kNoId, 58, 7, 47, 53),
      frame(kNoId, 108, 7, 59, 53),
      frame(kNoId, 6, 58, 162, 133),
      frame(kNoId, 305, 122, 66, 69),
      caption("Bildmodus:", 13, 12),
      caption("Mode:", 62, 12),
      caption("Savemenu:", 113, 12),
      caption("Save:", 113, 21),
      caption("Reset:", 113, 30),
      caption("Configsave", 113, 38),
      caption("Configload", 113, 47),
      caption("Gain", 174, 13),
      caption("Shutter", 241, 13),
      caption("White Balance", 308, 13),
      caption("dB", 196, 75),
      caption("Rot:", 308, 75),
      caption("Blau:", 308, 98),
      caption("SHARPNESS:", 13, 66),
      caption("ATW SPEED:", 93, 66),
      caption("AE SPEED:", 13, 90),
      caption("YGAMMA:", 93, 90),
      caption("CGAMMA:", 13, 114),
      caption("PHASE:", 93, 114),
      caption("AEAREA:", 13, 138),
      caption("REFERENCE:", 93, 138),
      caption("AE MODE", 172, 110),
      caption("Innerhalb:", 13, 162),
      caption("Außerhalb:", 13, 177),
      caption("%", 81, 162),
      caption("%", 81, 177),
  };
  constexpr int kColumns[5] = {219, 233, 247, 261, 275};
  constexpr int kRows[5] = {120, 135, 149, 163, 176};
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 5; ++column)
      list.push_back({ids::kGridBoxes[row][column], ControlKind::CheckBox, "", kColumns[column],
                      kRows[row], 9, 10});
  return list;
}

}  // namespace

const platform::DialogTemplate& classicPanelTemplate() {
  static const platform::DialogTemplate dialog{130, "Ocel - Serie  /   V 2.3", 382, 197,
                                               controls()};
  return dialog;
}

}  // namespace ocel::res
