// The classic camera panel for model 0: one dialog whose every control goes
// to the camera at once. It keeps almost nothing of its own; it reads the
// camera at start, after Reset and after loading a configuration file.
#pragma once

#include <cstdint>

#include "panel_support/entry_points.h"
#include "platform/dialog.h"

namespace ocel::panel_support {
class WaitWindow;
}

namespace ocel::classic {

// The exports the panel calls, in the order it binds them.
// clang-format off
#define OCEL_CLASSIC_PANEL_EXPORTS(X)                                                          \
  X(SelectArea) X(SetNegPos) X(SetMode) X(SetModeWB) X(SetModeES) X(SetModeGC) X(SetUsflg)     \
  X(SetAEMode) X(SetMWBR) X(SetMWBB) X(SetMES) X(SetMGC) X(SetAEOff) X(SetAEArea)             \
  X(SetAgesRes) X(SetShape) X(SetYGamma) X(SetCGamma) X(SetPhase) X(SetATWRes) X(GetMode)      \
  X(GetNegPos) X(GetModeGC) X(GetModeES) X(GetModeWB) X(GetAEMode) X(GetPhase) X(GetAgesRes)   \
  X(GetATWRes) X(GetCGamma) X(GetAEOff) X(GetYGamma) X(GetMWBR) X(GetMWBB) X(GetShape)         \
  X(GetMGC) X(GetMES) X(GetAEArea) X(ReadArea)
OCEL_DEFINE_ENTRY_POINTS(ClassicPanelEntryPoints, OCEL_CLASSIC_PANEL_EXPORTS);
// clang-format on

struct ModeGroup;

class CameraPanel_1 : public platform::Dialog {
  Q_OBJECT
 public:
  CameraPanel_1(const platform::LoadedLibrary& library, panel_support::WaitWindow& waitWindow);

  // True while the camera is in Remote mode: the panel sends the user's
  // mode choices. In Camera mode it offers only the automatic modes.
  std::int32_t remoteMode = 0;
  // True while the AE mode is Select, the one mode in which the area grid
  // can be edited.
  std::int32_t areaSelectMode = 0;
  // The modes last chosen in each group, sent again on Remote.
  std::uint16_t rememberedShutterMode = 0;
  std::uint16_t rememberedGainMode = 0;
  std::uint16_t rememberedWhiteBalanceMode = 0;
  // The rows of the AE area grid, top to bottom: bit 4 the leftmost zone.
  // Zero until the first area read.
  std::int32_t rowMask1 = 0, rowMask2 = 0, rowMask3 = 0, rowMask4 = 0, rowMask5 = 0;

  // The start-up routine: binds the exports, reads every setting and sets
  // every control; run again by Reset and after a configuration load.
  bool OnInitDialog() override;

 protected:
  void OnHScroll(int code, int position, int controlId) override;

 private:
  std::int32_t& rowMask(int row);

  // Start-up steps.
  void showModeGroups(std::uint8_t gain, std::uint8_t shutter, std::uint8_t whiteBalance,
                      std::uint8_t aeMode);
  void showPlainSliders();
  void showGain();
  void showShutter();
  void showAeArea();
  void showGridFor(std::uint8_t aeMode);

  // Buttons.
  void chooseMode(const ModeGroup& group, int buttonIndex);
  void chooseCameraMode();
  void chooseRemoteMode();
  void chooseAeMode(int button);
  void clickGridBox(int row, int column);
  void readArea();
  void showGridPattern(const bool (&pattern)[5][5]);
  void saveUserSettings();
  void resetToFactory();
  void saveConfigurationFile();
  void loadConfigurationFile();

  const platform::LoadedLibrary& library_;
  panel_support::WaitWindow& waitWindow_;
  ClassicPanelEntryPoints entries_;
};

}  // namespace ocel::classic
