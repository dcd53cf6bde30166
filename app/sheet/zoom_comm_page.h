// The "Zoom and Comm Settings" page of the sheet for model 1: BLC weights,
// AE level, digital zoom with pan and tilt, the camera's own line settings
// and the remote keypad. It reads nothing at start: the Settings page reads
// its values from the camera whenever it starts and stores them here, and
// the page shows them each time its tab becomes active. Every change goes
// to the camera at once and is kept here, so switching tabs and back shows
// the last values sent. The camera is read only by the keypad, for the zoom
// it reached.
#pragma once

#include <cstdint>

#include "panel_support/entry_points.h"
#include "platform/property_sheet.h"
#include "sheet/keypad.h"

namespace ocel::platform {
class LoadedLibrary;
}

namespace ocel::sheet {

// The exports the page calls, in the order it binds them.
// clang-format off
#define OCEL_ZOOM_PAGE_EXPORTS(X)                                                             \
  X(SetRePrt) X(SetReBps) X(SetEZSWBtn) X(SetEZPane) X(SetEZTilt) X(SetDZoom) X(SetAEMode)   \
  X(SetRate0) X(SetRate1) X(SetRate2) X(SetRate3) X(SetRate4) X(SetRate5) X(SetRateP)         \
  X(SetAELevel) X(GetEZSWBtn) X(GetDZoom)
OCEL_DEFINE_ENTRY_POINTS(ZoomPageEntryPoints, OCEL_ZOOM_PAGE_EXPORTS);
// clang-format on

struct OptionGroup;

class ZoomComm_1 : public platform::PropertyPage {
  Q_OBJECT
 public:
  explicit ZoomComm_1(const platform::LoadedLibrary& library);

  // The page's values, each the low byte of its camera setting.
  std::int32_t areaRate[6] = {};    // BLC weights of Area I ... VI, 0 ... 255
  std::int32_t peakRate = 0;        // BLC peak weight
  std::int32_t blcMode = 0;         // 0 BLC off (all areas and peak), 1 on (Area VI only)
  std::int32_t panCode = 0;         // 0 left, 128 centre, 255 right
  std::int32_t tiltCode = 0;        // 0 top, 128 centre, 255 bottom
  std::int32_t zoomCode = 0;        // 255 = 100 % ... 63 = 400 %
  std::int32_t cameraParity = 0;    // the camera's own port: 0 none, 1 odd, 2 even
  std::int32_t cameraBaudCode = 0;  // the camera's own port in hundreds of baud: 96, 48, 24
  std::int32_t aeLevel = 0;

  // The keypad: its hit rectangles in client pixels, by bit number, and the
  // keypad bits this page has set in the camera and not yet cleared.
  HitRects hitRects{};
  std::int32_t pressedButtons = 0;

  // Binds the exports and sets up the keypad; fills no control.
  bool OnInitDialog() override;
  // Shows the stored values.
  bool OnSetActive() override;

 protected:
  void OnHScroll(int code, int position, int controlId) override;
  void OnLButtonDown(QPoint clientPixel) override;
  void OnLButtonUp(QPoint clientPixel) override;
  void OnMouseMove(QPoint clientPixel) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::int32_t& weight(int index);
  void chooseOption(const OptionGroup& group, int choice);
  void chooseBlcMode(std::uint8_t mode);
  void enableWeightSliders(bool enabled);
  void enableSideButtons(bool enabled);
  void checkCentres();
  void showZoom(int percent);
  // The keypad's commands.
  void clearKeypadBits();
  void showZoomReached();

  const platform::LoadedLibrary& library_;
  ZoomPageEntryPoints entries_;
};

}  // namespace ocel::sheet
