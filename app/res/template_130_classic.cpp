// Template 130, the classic camera panel for model 0.
#include "res/dialog_templates.h"

namespace ocel::res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::kDefaultButton;
using platform::kNoId;

namespace {

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
      {1, ControlKind::PushButton, "OK", 313, 136, 50, 14, kDefaultButton},
      {2, ControlKind::PushButton, "Abbrechen", 314, 156, 50, 14},
      option(1000, "Negativ", 12, 25, 41),
      option(1001, "Positiv", 12, 37, 37),
      option(1014, "Camera", 62, 25, 40),
      option(1015, "Remote", 62, 37, 41),
      {1045, ControlKind::PushButton, "", 154, 22, 8, 6},
      {1044, ControlKind::PushButton, "", 154, 31, 8, 6},
      {1046, ControlKind::PushButton, "", 154, 40, 8, 6},
      {1047, ControlKind::PushButton, "", 154, 49, 8, 6},
      option(1010, "0 dB", 174, 24, 31),
      option(1011, "6 dB", 174, 37, 31),
      option(1012, "Automatic", 174, 50, 47),
      option(1013, "Manual", 174, 63, 39),
      label(1063, "MGC", 174, 75, 17),
      slider(1022, 174, 84, 52),
      option(1006, "1 / 50", 241, 24, 35),
      option(1007, "FL", 241, 37, 24),
      option(1008, "Automatic", 241, 50, 47),
      option(1009, "Manual", 241, 63, 39),
      label(1072, "1/", 241, 75, 8),
      label(1062, "MES", 255, 75, 32),
      slider(1021, 242, 84, 55),
      option(1002, "3200", 308, 24, 32),
      option(1003, "5600", 308, 37, 32),
      option(1004, "Automatic", 308, 50, 47),
      option(1005, "Manual", 308, 63, 39),
      label(1060, "MWBR", 325, 75, 43, 10),
      slider(1017, 308, 85, 55),
      label(1061, "MWBB", 325, 98, 24),
      slider(1020, 308, 107, 56),
      slider(1026, 13, 75, 69),
      label(1064, "SHAPE", 61, 66, 25),
      slider(1030, 93, 75, 69),
      label(1066, "ATWR", 141, 66, 23),
      slider(1025, 13, 99, 69),
      label(1065, "AGESR", 61, 90, 26),
      slider(1027, 93, 99, 69),
      label(1067, "YGam", 141, 90, 20),
      slider(1028, 13, 123, 69),
      label(1068, "CGam", 61, 114, 20),
      slider(1029, 93, 123, 69),
      label(1069, "Phase", 141, 114, 21),
      slider(1024, 13, 147, 69),
      label(1074, "In", 54, 162, 23),
      label(1075, "Out", 54, 177, 25),
      slider(1023, 93, 147, 69),
      label(1071, "AEOff", 141, 138, 20),
      option(1018, "AllArea", 172, 121, 38),
      option(1056, "Spot", 172, 136, 31),
      option(1057, "Variable", 172, 151, 41),
      option(1058, "Select", 172, 166, 36),
      frame(1128, 170, 7, 65, 96),
      frame(1129, 238, 7, 66, 96),
      frame(1130, 305, 7, 66, 116),
      frame(1131, 170, 101, 133, 90),
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
      list.push_back({classic_panel::kGridBoxes[row][column], ControlKind::CheckBox, "",
                      kColumns[column], kRows[row], 9, 10});
  return list;
}

}  // namespace

const platform::DialogTemplate& classicPanelTemplate() {
  static const platform::DialogTemplate dialog{130, "Ocel - Serie  /   V 2.3", 382, 197,
                                                controls()};
  return dialog;
}

}  // namespace ocel::res
