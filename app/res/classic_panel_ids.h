// Control ids of template 130, the classic camera panel for model 0.
#pragma once

#include "res/control_ids.h"

namespace ocel::res::classic_panel {

// Laid out by hand: the ids in groups, as the template lists them.
// clang-format off
#define OCEL_CLASSIC_PANEL_IDS(X)                                                               \
  /* Option buttons. */                                                                         \
  X(kNegative, 1000) X(kPositive, 1001) X(kCameraMode, 1014) X(kRemoteMode, 1015)               \
  X(kGain0dB, 1010) X(kGain6dB, 1011) X(kGainAuto, 1012) X(kGainManual, 1013)                   \
  X(kShutter50, 1006) X(kShutterFL, 1007) X(kShutterAuto, 1008) X(kShutterManual, 1009)         \
  X(kWb3200, 1002) X(kWb5600, 1003) X(kWbAuto, 1004) X(kWbManual, 1005)                         \
  X(kAllArea, 1018) X(kSpot, 1056) X(kVariable, 1057) X(kSelect, 1058)                          \
  /* The small Savemenu buttons. */                                                             \
  X(kSave, 1045) X(kReset, 1044) X(kConfigSave, 1046) X(kConfigLoad, 1047)                      \
  /* Sliders. */                                                                                \
  X(kRedSlider, 1017) X(kBlueSlider, 1020) X(kShutterSlider, 1021) X(kGainSlider, 1022)         \
  X(kAeReferenceSlider, 1023) X(kAeAreaSlider, 1024) X(kAeSpeedSlider, 1025)                    \
  X(kSharpnessSlider, 1026) X(kYGammaSlider, 1027) X(kCGammaSlider, 1028)                       \
  X(kPhaseSlider, 1029) X(kAtwSpeedSlider, 1030)                                                \
  /* Value labels. */                                                                           \
  X(kRedLabel, 1060) X(kBlueLabel, 1061) X(kShutterLabel, 1062) X(kGainLabel, 1063)             \
  X(kSharpnessLabel, 1064) X(kAeSpeedLabel, 1065) X(kAtwSpeedLabel, 1066)                       \
  X(kYGammaLabel, 1067) X(kCGammaLabel, 1068) X(kPhaseLabel, 1069)                              \
  X(kAeReferenceLabel, 1071) X(kShutterPrefix, 1072) X(kInsideLabel, 1074)                      \
  X(kOutsideLabel, 1075)                                                                        \
  /* Frames around the gain, shutter, white balance and AE mode groups. */                      \
  X(kGainFrame, 1128) X(kShutterFrame, 1129) X(kWhiteBalanceFrame, 1130) X(kAeModeFrame, 1131)
OCEL_DEFINE_CONTROL_IDS(OCEL_CLASSIC_PANEL_IDS)
// clang-format on

// The AE area grid's check boxes, row by row from the top, columns from the
// left.
inline constexpr int kGridBoxes[5][5] = {{1053, 1080, 1081, 1082, 1083},
                                         {1084, 1085, 1086, 1087, 1088},
                                         {1089, 1090, 1091, 1092, 1093},
                                         {1094, 1095, 1096, 1097, 1098},
                                         {1099, 1100, 1101, 1102, 1103}};

}  // namespace ocel::res::classic_panel
