// The camera exports of the recording double. Including Ocel400.h makes the
// compiler check every definition against the real library's declaration.
#include "Ocel400.h"

#include "answer_conversion.h"
#include "call_text.h"
#include "double_state.h"
#include "export_list.h"

extern "C" {

uint16_t OCEL400_CALL PortInit(int32_t port) {
  ocel_double::logCall(ocel_double::callText("PortInit", port));
  return OCEL400_DONE;
}

uint16_t OCEL400_CALL PortInitEx(int32_t port, int32_t model, int32_t standard, int32_t baud,
                                 int32_t parity) {
  ocel_double::logCall(ocel_double::callText("PortInitEx", port, model, standard, baud, parity));
  return OCEL400_DONE;
}

uint16_t OCEL400_CALL LastResult(void) {
  ocel_double::logCall(ocel_double::callText("LastResult"));
  return OCEL400_DONE;
}

// Setters keep their argument as given: the double applies no range rules.
#define OCEL_DOUBLE_SETTER(stem, type)                                   \
  uint16_t OCEL400_CALL Set##stem(type value) {                          \
    ocel_double::logCall(ocel_double::callText("Set" #stem, value));     \
    ocel_double::storeValue(#stem, static_cast<double>(value));          \
    return OCEL400_DONE;                                                 \
  }
OCEL_DOUBLE_SETTERS(OCEL_DOUBLE_SETTER)
#undef OCEL_DOUBLE_SETTER

#define OCEL_DOUBLE_GETTER(stem, type)                                   \
  type OCEL400_CALL Get##stem(void) {                                    \
    ocel_double::logCall(ocel_double::callText("Get" #stem));            \
    return ocel_double::answerAs<type>(ocel_double::answerFor(#stem));   \
  }
OCEL_DOUBLE_GETTERS(OCEL_DOUBLE_GETTER)
#undef OCEL_DOUBLE_GETTER

uint16_t OCEL400_CALL SelectArea(int32_t mask, uint8_t row) {
  ocel_double::logCall(ocel_double::callText("SelectArea", mask, row));
  ocel_double::storeAreaRow(row, mask);
  return OCEL400_DONE;
}

int32_t OCEL400_CALL ReadArea(int32_t row) {
  ocel_double::logCall(ocel_double::callText("ReadArea", row));
  return ocel_double::areaRow(row);
}

}  // extern "C"
