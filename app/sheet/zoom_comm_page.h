// The "Zoom and Comm Settings" page of the sheet for model 1: BLC weights,
// AE level, digital zoom with pan and tilt, the camera's own line settings
// and the remote keypad. It reads nothing at start: the Settings page reads
// its values from the camera whenever it starts and stores them here.
#pragma once

#include <cstdint>

#include "platform/property_sheet.h"

namespace ocel::platform {
class LoadedLibrary;
}

namespace ocel::sheet {

class ZoomComm_1 : public platform::PropertyPage {
  Q_OBJECT
 public:
  explicit ZoomComm_1(const platform::LoadedLibrary& library);

  // The page's values, each the low byte of its camera setting.
  std::int32_t areaRate[6] = {};   // BLC weights of Area I ... VI, 0 ... 255
  std::int32_t peakRate = 0;       // BLC peak weight
  std::int32_t blcMode = 0;        // 0 BLC off (all areas and peak), 1 on (Area VI only)
  std::int32_t panCode = 0;        // 0 left, 128 centre, 255 right
  std::int32_t tiltCode = 0;       // 0 top, 128 centre, 255 bottom
  std::int32_t zoomCode = 0;       // 255 = 100 % ... 63 = 400 %
  std::int32_t cameraParity = 0;   // the camera's own port: 0 none, 1 odd, 2 even
  std::int32_t cameraBaudCode = 0; // the camera's own port in hundreds of baud: 96, 48, 24
  std::int32_t aeLevel = 0;

 private:
  const platform::LoadedLibrary& library_;
};

}  // namespace ocel::sheet
