// Control ids of template 142, the "Settings" page of the sheet for model 1.
#pragma once

#include "res/control_ids.h"

namespace ocel::res::settings_page {

// Laid out by hand: the ids in groups, as the template lists them.
// clang-format off
#define OCEL_SETTINGS_PAGE_IDS(X)                                                               \
  /* Image mode and control source. */                                                         \
  X(kNeg, 1000) X(kPos, 1001) X(kNegBw, 1016) X(kPosBw, 1019) X(kCamera, 1014) X(kRemote, 1015) \
  /* Gain mode and the maximum digital gain. */                                                \
  X(kGain0dB, 1010) X(kGain6dB, 1011) X(kGainAuto, 1012) X(kGainManual, 1013)                  \
  X(kDigAgc6, 1031) X(kDigAgc12, 1018) X(kDigAgc15, 1022) X(kDigAgc18, 1023)                   \
  X(kDigAgc21, 1024) X(kDigAgc24, 1025)                                                        \
  /* Shutter mode and the fixed shutters. */                                                   \
  X(kShutterOff, 1056) X(kShutterFL, 1057) X(kShutterAuto, 1008) X(kShutterManual, 1009)       \
  X(kShutter50, 1006) X(kShutter60, 1007) X(kShutter100, 1021) X(kShutter120, 1043)            \
  X(kShutter250, 1048) X(kShutter500, 1049) X(kShutter1000, 1050) X(kShutter2000, 1051)        \
  X(kShutter4000, 1052) X(kShutter10000, 1053) X(kShutter20000, 1054)                          \
  X(kShutter30000, 1055)                                                                       \
  /* White balance. */                                                                         \
  X(kWb3200, 1002) X(kWb5600, 1003) X(kWbAuto, 1004) X(kWbAtwLock, 1042) X(kWbManual, 1005)    \
  /* The small Savemenu buttons. */                                                            \
  X(kReset, 1044) X(kSave, 1045) X(kConfigSave, 1046) X(kConfigLoad, 1047)                     \
  /* Sliders. */                                                                               \
  X(kSharpnessSlider, 1026) X(kYGammaSlider, 1027) X(kCGammaSlider, 1028)                      \
  X(kShutterMinSlider, 1039) X(kShutterMaxSlider, 1040) X(kGainMinSlider, 1037)                \
  X(kGainMaxSlider, 1036) X(kAtwSpeedSlider, 1030) X(kAesSpeedSlider, 1179)                    \
  X(kAgcSpeedSlider, 1180) X(kPhaseSlider, 1029) X(kManualGainSlider, 1032)                    \
  X(kRedSlider, 1017) X(kBlueSlider, 1020)                                                     \
  /* Value labels. */                                                                          \
  X(kSharpnessLabel, 1064) X(kYGammaLabel, 1067) X(kCGammaLabel, 1068)                         \
  X(kShutterMinLabel, 1191) X(kShutterMaxLabel, 1192) X(kGainMinLabel, 1190)                   \
  X(kGainMaxLabel, 1189) X(kAtwSpeedLabel, 1066) X(kAesSpeedLabel, 1071)                       \
  X(kAgcSpeedLabel, 1073) X(kPhaseLabel, 1069) X(kManualGainLabel, 1063)                       \
  X(kManualGainNote, 1233) X(kRedLabel, 1060) X(kBlueLabel, 1061)                              \
  /* Frames around the gain, shutter and white balance groups. */                              \
  X(kGainFrame, 1128) X(kShutterFrame, 1129) X(kWhiteBalanceFrame, 1130)
OCEL_DEFINE_CONTROL_IDS(OCEL_SETTINGS_PAGE_IDS)
// clang-format on

}  // namespace ocel::res::settings_page
