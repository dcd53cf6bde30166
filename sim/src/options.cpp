#include "ocel400sim/options.h"

#include <stdexcept>

#include "ocel400sim/line_settings.h"

namespace ocelsim {

void validate(const Options& options) {
  if (options.model != 0 && options.model != 1)
    throw std::runtime_error("camera model must be 0 or 1");
  if (options.standard != 0 && options.standard != 1)
    throw std::runtime_error("video standard must be 0 (PAL) or 1 (NTSC)");
  if (!reBpsFromBaud(options.cameraBaud))
    throw std::runtime_error("camera speed must be 2400, 4800 or 9600 baud");
  if (options.model == 0 && options.cameraBaud != 9600)
    throw std::runtime_error("a model 0 camera runs at 9600 baud only");
  if (options.faultPercent < 0 || options.faultPercent > 100)
    throw std::runtime_error("fault percentage must be 0..100");
  if (options.lateMs < 0) throw std::runtime_error("late hold-back must not be negative");
  if (options.zoomCodesPerSecond < 0) throw std::runtime_error("zoom rate must not be negative");
}

}  // namespace ocelsim
