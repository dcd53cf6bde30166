// The 44 setter exports, one per setting of Ocel400_settings.h, and
// SelectArea. A setter's type differing from its declaration in Ocel400.h
// fails the build, and so does a setting Ocel400.h does not declare.
#include "Ocel400.h"
#include "Ocel400_settings.h"
#include "setting_commands.h"

// What a setter does with its argument, by the kind of its setting.
#define OCEL_WRITE_RANGED(stem, value) ocel::writePlainSetting(ocel::Setting::stem, value)
#define OCEL_WRITE_USER_FLAG(stem, value) ocel::writeUserFlag(value)
#define OCEL_WRITE_GAIN(stem, value) ocel::writeGain(value)
#define OCEL_WRITE_SHUTTER(stem, value) ocel::writeShutter(value)

#define OCEL_SETTER_EXPORT(stem, argument, result, kind, models) \
  OCEL400_API uint16_t OCEL400_CALL Set##stem(argument value) {  \
    return OCEL_WRITE_##kind(stem, value);                       \
  }

namespace ocel::declared {
#define OCEL_DECLARED(stem, ...) using ::Set##stem;
OCEL400_SETTINGS(OCEL_DECLARED)
#undef OCEL_DECLARED
}  // namespace ocel::declared

extern "C" {

OCEL400_SETTINGS(OCEL_SETTER_EXPORT)

OCEL400_API uint16_t OCEL400_CALL SelectArea(int32_t mask, uint8_t row) {
  return ocel::writeAreaRow(mask, row);
}

}  // extern "C"
