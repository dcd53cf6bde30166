// The 44 getter exports, one per setting of Ocel400_settings.h, and
// ReadArea. A getter's type differing from its declaration in Ocel400.h
// fails the build, and so does a setting Ocel400.h does not declare.
#include "Ocel400.h"
#include "Ocel400_settings.h"
#include "reading.h"

// What a getter makes of the register's value, by the kind of its setting.
#define OCEL_READ_RANGED(stem) ocel::readPlainSetting(ocel::Setting::stem)
#define OCEL_READ_USER_FLAG(stem) ocel::readPlainSetting(ocel::Setting::stem)
#define OCEL_READ_GAIN(stem) ocel::readGain()
#define OCEL_READ_SHUTTER(stem) ocel::readShutter()

#define OCEL_GETTER_EXPORT(stem, argument, result, kind, models) \
  OCEL400_API result OCEL400_CALL Get##stem(void) { return OCEL_READ_##kind(stem); }

namespace ocel::declared {
#define OCEL_DECLARED(stem, ...) using ::Get##stem;
OCEL400_SETTINGS(OCEL_DECLARED)
#undef OCEL_DECLARED
}  // namespace ocel::declared

extern "C" {

OCEL400_SETTINGS(OCEL_GETTER_EXPORT)

OCEL400_API int32_t OCEL400_CALL ReadArea(int32_t row) { return ocel::readAreaRow(row); }

}  // extern "C"
