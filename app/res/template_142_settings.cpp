// Template 142, the "Settings" page of the sheet for model 1.
#include "res/dialog_templates.h"
#include "res/settings_page_ids.h"

namespace ocel::res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::kNoId;

namespace {

namespace ids = settings_page;

ControlTemplate option(int id, const char* text, int x, int y, int width) {
  return {id, ControlKind::OptionButton, text, x, y, width, 10};
}
ControlTemplate button(int id, int x, int y) {
  return {id, ControlKind::PushButton, "", x, y, 8, 6};
}
ControlTemplate slider(int id, int x, int y, int width, int height) {
  return {id, ControlKind::HorizontalScrollBar, "", x, y, width, height};
}
ControlTemplate label(int id, const char* text, int x, int y, int width, int height = 8) {
  return {id, ControlKind::Label, text, x, y, width, height};
}
ControlTemplate frame(int id, int x, int y, int width, int height) {
  return {id, ControlKind::GroupFrame, "", x, y, width, height};
}
ControlTemplate caption(const char* text, int x, int y) {
  // Fixed captions are as wide as their text needs.
  return {kNoId, ControlKind::Label, text, x, y, 60, 8};
}

std::vector<ControlTemplate> controls() {
  return {
      option(ids::kNeg, "Neg", 10, 20, 29),
      option(ids::kPos, "Pos", 10, 30, 28),
      option(ids::kNegBw, "Neg BW", 10, 40, 43),
      option(ids::kPosBw, "Pos BW", 10, 49, 42),
      option(ids::kCamera, "Camera", 62, 25, 40),
      option(ids::kRemote, "Remote", 62, 37, 41),
      button(ids::kReset, 154, 24),
      button(ids::kSave, 154, 33),
      button(ids::kConfigSave, 154, 42),
      button(ids::kConfigLoad, 154, 51),

      slider(ids::kSharpnessSlider, 17, 75, 69, 8),
      label(ids::kSharpnessLabel, "SHAPE", 65, 66, 25),
      slider(ids::kYGammaSlider, 17, 93, 69, 8),
      label(ids::kYGammaLabel, "YGam", 65, 84, 20),
      slider(ids::kCGammaSlider, 17, 112, 69, 8),
      label(ids::kCGammaLabel, "CGam", 65, 103, 20),
      slider(ids::kShutterMinSlider, 17, 131, 69, 8),
      label(ids::kShutterMinLabel, "ESMin", 59, 122, 28),
      slider(ids::kShutterMaxSlider, 17, 151, 69, 8),
      label(ids::kShutterMaxLabel, "ESMax", 59, 142, 28),
      slider(ids::kGainMinSlider, 17, 170, 69, 8),
      label(ids::kGainMinLabel, "MinG", 57, 161, 28),
      slider(ids::kGainMaxSlider, 17, 188, 69, 8),
      label(ids::kGainMaxLabel, "MaxG", 56, 179, 28),
      slider(ids::kAtwSpeedSlider, 17, 207, 69, 8),
      label(ids::kAtwSpeedLabel, "ATWR", 65, 198, 23),
      slider(ids::kAesSpeedSlider, 17, 226, 69, 8),
      label(ids::kAesSpeedLabel, "AESR", 64, 217, 22),
      slider(ids::kAgcSpeedSlider, 17, 244, 69, 8),
      label(ids::kAgcSpeedLabel, "AGCR", 63, 235, 19),
      slider(ids::kPhaseSlider, 17, 262, 69, 8),
      label(ids::kPhaseLabel, "Phase", 65, 253, 21),

      option(ids::kShutterOff, "Off", 105, 76, 25),
      option(ids::kShutterFL, "FL", 105, 85, 24),
      option(ids::kShutterAuto, "Automatic", 105, 94, 47),
      option(ids::kShutterManual, "Manual", 105, 103, 39),
      option(ids::kShutter50, "1 / 50", 105, 115, 35),
      option(ids::kShutter60, "1 / 60", 105, 124, 35),
      option(ids::kShutter100, "1 / 100", 105, 133, 39),
      option(ids::kShutter120, "1 / 120", 105, 143, 39),
      option(ids::kShutter250, "1 / 250", 105, 152, 39),
      option(ids::kShutter500, "1 / 500", 105, 162, 39),
      option(ids::kShutter1000, "1 / 1000", 105, 171, 43),
      option(ids::kShutter2000, "1 / 2000", 105, 181, 43),
      option(ids::kShutter4000, "1 / 4000", 105, 191, 43),
      option(ids::kShutter10000, "1 / 10000", 105, 200, 47),
      option(ids::kShutter20000, "1 / 20000", 105, 210, 47),
      option(ids::kShutter30000, "1 / 30000", 105, 219, 47),

      option(ids::kGain0dB, "0 dB", 174, 23, 31),
      option(ids::kGain6dB, "6 dB", 174, 32, 31),
      option(ids::kGainAuto, "Automatic", 174, 41, 47),
      option(ids::kGainManual, "Manual", 174, 50, 39),
      label(ids::kManualGainLabel, "MGC", 174, 61, 17),
      label(ids::kManualGainNote, "(al)", 211, 61, 17),
      slider(ids::kManualGainSlider, 173, 69, 57, 10),
      option(ids::kDigAgc6, "6 dB max", 174, 94, 45),
      option(ids::kDigAgc12, "12 dB max", 174, 104, 49),
      option(ids::kDigAgc15, "15 dB max", 174, 114, 49),
      option(ids::kDigAgc18, "18 dB max", 174, 123, 49),
      option(ids::kDigAgc21, "21 dB max", 174, 133, 49),
      option(ids::kDigAgc24, "24 dB max", 174, 142, 49),

      option(ids::kWb3200, "3200", 173, 171, 32),
      option(ids::kWb5600, "5600", 173, 181, 32),
      option(ids::kWbAuto, "Automatic", 173, 191, 47),
      option(ids::kWbAtwLock, "ATW Lock", 173, 200, 51),
      option(ids::kWbManual, "Manual", 173, 209, 39),
      label(ids::kRedLabel, "MWBR", 190, 224, 43, 10),
      slider(ids::kRedSlider, 173, 234, 57, 10),
      label(ids::kBlueLabel, "MWBB", 190, 247, 24),
      slider(ids::kBlueSlider, 173, 257, 57, 10),

      frame(ids::kGainFrame, 170, 7, 65, 150),
      frame(ids::kShutterFrame, 101, 60, 66, 212),
      frame(ids::kWhiteBalanceFrame, 170, 154, 65, 119),
      frame(kNoId, 6, 7, 49, 53),
      frame(kNoId, 58, 7, 47, 53),
      frame(kNoId, 108, 7, 59, 53),
      frame(kNoId, 104, 109, 59, 123),
      frame(kNoId, 172, 78, 59, 76),
      frame(kNoId, 7, 60, 87, 212),

      caption("Bildmodus:", 11, 12),
      caption("Mode:", 62, 12),
      caption("Savemenu:", 111, 12),
      caption("Reset:", 111, 22),
      caption("Save:", 111, 31),
      caption("Configsave:", 111, 40),
      caption("Configload:", 111, 49),
      caption("Sharpness:", 17, 66),
      caption("YGamma:", 17, 84),
      caption("CGamma:", 17, 103),
      caption("Shutter Min:", 17, 122),
      caption("Shutter Max:", 17, 142),
      caption("Gain Min:", 17, 161),
      caption("Gain Max:", 17, 179),
      caption("ATW Speed:", 17, 198),
      caption("AES Speed:", 17, 217),
      caption("AGC Speed:", 17, 235),
      caption("Phase:", 17, 253),
      caption("Shutter", 105, 66),
      caption("Gain", 174, 13),
      caption("dB", 196, 61),
      caption("Digital AGC", 175, 84),
      caption("White Balance", 173, 161),
      caption("Rot:", 173, 224),
      caption("Blau:", 173, 247),
  };
}

}  // namespace

const platform::DialogTemplate& settingsPageTemplate() {
  static const platform::DialogTemplate dialog{142, "Settings", 261, 290, controls()};
  return dialog;
}

}  // namespace ocel::res
