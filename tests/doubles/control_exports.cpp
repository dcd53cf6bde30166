// The OcelDouble_ functions: C entry points onto the double's state.
#include "double_state.h"
#include "recording_double_control.h"

extern "C" {

void OcelDouble_Reset(void) { ocel_double::resetState(); }

void OcelDouble_SetValue(const char* stem, double value) { ocel_double::storeValue(stem, value); }

void OcelDouble_QueueAnswer(const char* stem, double value) {
  ocel_double::queueAnswer(stem, value);
}

void OcelDouble_SetArea(int32_t row, int32_t mask) { ocel_double::storeAreaRow(row, mask); }

int32_t OcelDouble_CallCount(void) { return ocel_double::callCount(); }

const char* OcelDouble_Call(int32_t index) { return ocel_double::callAt(index); }

void OcelDouble_ClearCalls(void) { ocel_double::clearCalls(); }

}  // extern "C"
