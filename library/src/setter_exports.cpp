// The 44 setter exports and SelectArea.
#include "Ocel400.h"
#include "setting_commands.h"

using ocel::PlainSetter;

#define OCEL400_PLAIN_SETTER(Stem, Type)                             \
  OCEL400_API uint16_t OCEL400_CALL Set##Stem(Type value) {         \
    return ocel::writePlainSetting(PlainSetter::Stem, value);       \
  }

extern "C" {

OCEL400_PLAIN_SETTER(Mode, int32_t)
OCEL400_PLAIN_SETTER(ModeZM, uint16_t)
OCEL400_PLAIN_SETTER(NegPos, int32_t)
OCEL400_PLAIN_SETTER(ModeWB, uint16_t)
OCEL400_PLAIN_SETTER(ModeES, uint16_t)
OCEL400_PLAIN_SETTER(ModeGC, uint16_t)
OCEL400_PLAIN_SETTER(AEMode, uint8_t)
OCEL400_PLAIN_SETTER(AEOff, uint16_t)
OCEL400_PLAIN_SETTER(AEArea, uint16_t)
OCEL400_PLAIN_SETTER(AgesRes, uint16_t)
OCEL400_PLAIN_SETTER(AgcRes, uint16_t)
OCEL400_PLAIN_SETTER(AesRes, uint16_t)
OCEL400_PLAIN_SETTER(ATWRes, uint16_t)
OCEL400_PLAIN_SETTER(Shape, uint16_t)
OCEL400_PLAIN_SETTER(YGamma, uint16_t)
OCEL400_PLAIN_SETTER(CGamma, uint16_t)
OCEL400_PLAIN_SETTER(Phase, uint16_t)
OCEL400_PLAIN_SETTER(MWBR, uint16_t)
OCEL400_PLAIN_SETTER(MWBB, uint16_t)
OCEL400_PLAIN_SETTER(ESMin, uint16_t)
OCEL400_PLAIN_SETTER(ESMax, uint16_t)
OCEL400_PLAIN_SETTER(MinGain, uint16_t)
OCEL400_PLAIN_SETTER(MaxGain, uint16_t)
OCEL400_PLAIN_SETTER(AELevel, uint16_t)
OCEL400_PLAIN_SETTER(DigAgc, uint16_t)
OCEL400_PLAIN_SETTER(DZoom, uint16_t)
OCEL400_PLAIN_SETTER(EZMinn, uint16_t)
OCEL400_PLAIN_SETTER(EZPane, uint16_t)
OCEL400_PLAIN_SETTER(EZTilt, uint16_t)
OCEL400_PLAIN_SETTER(EZSWBtn, uint16_t)
OCEL400_PLAIN_SETTER(EZDemo, uint16_t)
OCEL400_PLAIN_SETTER(Rate0, uint16_t)
OCEL400_PLAIN_SETTER(Rate1, uint16_t)
OCEL400_PLAIN_SETTER(Rate2, uint16_t)
OCEL400_PLAIN_SETTER(Rate3, uint16_t)
OCEL400_PLAIN_SETTER(Rate4, uint16_t)
OCEL400_PLAIN_SETTER(Rate5, uint16_t)
OCEL400_PLAIN_SETTER(RateP, uint16_t)
OCEL400_PLAIN_SETTER(DioSel, uint16_t)
OCEL400_PLAIN_SETTER(ReBps, uint16_t)
OCEL400_PLAIN_SETTER(RePrt, uint16_t)

OCEL400_API uint16_t OCEL400_CALL SetUsflg(uint16_t value) { return ocel::writeUserFlag(value); }
OCEL400_API uint16_t OCEL400_CALL SetMGC(double decibel) { return ocel::writeGain(decibel); }
OCEL400_API uint16_t OCEL400_CALL SetMES(uint16_t denominator) {
  return ocel::writeShutter(denominator);
}
OCEL400_API uint16_t OCEL400_CALL SelectArea(int32_t mask, uint8_t row) {
  return ocel::writeAreaRow(mask, row);
}

}  // extern "C"
