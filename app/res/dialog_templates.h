// The program's dialog templates, one data table each.
#pragma once

#include "platform/dialog_template.h"

namespace ocel::res {

// 133: the port and camera selection dialog.
const platform::DialogTemplate& portDialogTemplate();
// 156: the wait window shown while the program connects and reads the camera.
const platform::DialogTemplate& waitWindowTemplate();
// 130: the classic camera panel for model 0.
const platform::DialogTemplate& classicPanelTemplate();

// Control ids of template 133.
namespace port_dialog {
inline constexpr int kModel0 = 1170;      // "Ocel  xxx"
inline constexpr int kModel1 = 1171;      // "Ocel  xxx -1"
inline constexpr int kPal = 1172;
inline constexpr int kNtsc = 1173;
inline constexpr int kCom1 = 1079;        // COM1 ... COM4 are 1079 ... 1082
inline constexpr int kCom4 = 1082;
inline constexpr int kBaudRate = 1176;
inline constexpr int kParity = 1177;
inline constexpr int kPortLabel = 1078;
}  // namespace port_dialog

// Control ids of template 130.
namespace classic_panel {
// Option buttons.
inline constexpr int kNegative = 1000, kPositive = 1001;
inline constexpr int kCameraMode = 1014, kRemoteMode = 1015;
inline constexpr int kGain0dB = 1010, kGain6dB = 1011, kGainAuto = 1012, kGainManual = 1013;
inline constexpr int kShutter50 = 1006, kShutterFL = 1007, kShutterAuto = 1008,
                     kShutterManual = 1009;
inline constexpr int kWb3200 = 1002, kWb5600 = 1003, kWbAuto = 1004, kWbManual = 1005;
inline constexpr int kAllArea = 1018, kSpot = 1056, kVariable = 1057, kSelect = 1058;
// The small Savemenu buttons.
inline constexpr int kSave = 1045, kReset = 1044, kConfigSave = 1046, kConfigLoad = 1047;
// Sliders.
inline constexpr int kRedSlider = 1017, kBlueSlider = 1020, kShutterSlider = 1021,
                     kGainSlider = 1022, kAeReferenceSlider = 1023, kAeAreaSlider = 1024,
                     kAeSpeedSlider = 1025, kSharpnessSlider = 1026, kYGammaSlider = 1027,
                     kCGammaSlider = 1028, kPhaseSlider = 1029, kAtwSpeedSlider = 1030;
// Value labels.
inline constexpr int kRedLabel = 1060, kBlueLabel = 1061, kShutterLabel = 1062,
                     kGainLabel = 1063, kSharpnessLabel = 1064, kAeSpeedLabel = 1065,
                     kAtwSpeedLabel = 1066, kYGammaLabel = 1067, kCGammaLabel = 1068,
                     kPhaseLabel = 1069, kAeReferenceLabel = 1071, kShutterPrefix = 1072,
                     kInsideLabel = 1074, kOutsideLabel = 1075;
// The AE area grid, row by row from the top, columns from the left.
inline constexpr int kGridBoxes[5][5] = {{1053, 1080, 1081, 1082, 1083},
                                         {1084, 1085, 1086, 1087, 1088},
                                         {1089, 1090, 1091, 1092, 1093},
                                         {1094, 1095, 1096, 1097, 1098},
                                         {1099, 1100, 1101, 1102, 1103}};
}  // namespace classic_panel

}  // namespace ocel::res
