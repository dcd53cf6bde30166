/*
 * Ocel400 - the camera's 44 settings as one list, for programs that treat
 * them alike (a command-line client, a test double, the library itself).
 *
 * Every setting has one setter, Set<stem>, and one getter, Get<stem>,
 * declared in Ocel400.h. OCEL400_SETTINGS(X) expands X once per setting, in
 * the order of the camera's register map, with five arguments:
 *
 *   1. the stem;
 *   2. the type the setter takes;
 *   3. the type the getter returns;
 *   4. how the setter treats its argument:
 *        RANGED     a register value, replaced by a fixed substitute when it
 *                   is out of the setting's range
 *        USER_FLAG  1 keeps the present settings, 255 restores the factory
 *                   ones; any other value sends nothing
 *        GAIN       the gain in dB, converted by the camera model
 *        SHUTTER    the shutter as x of 1/x second, converted by the standard
 *   5. the camera models that have the setting: BOTH_MODELS, MODEL_1_ONLY or
 *      MODEL_0_ONLY.
 *
 * The library builds its exports from this list, so a setting's types here
 * and in Ocel400.h cannot differ.
 */
#ifndef OCEL400_SETTINGS_H
#define OCEL400_SETTINGS_H

#include <stdint.h>

/* clang-format off */
#define OCEL400_SETTINGS(X)                                  \
  X(Mode,    int32_t,  uint8_t,  RANGED,    BOTH_MODELS)     \
  X(ModeGC,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(ModeES,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(ModeWB,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(ModeZM,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(MGC,     double,   double,   GAIN,      BOTH_MODELS)     \
  X(MES,     uint16_t, uint16_t, SHUTTER,   BOTH_MODELS)     \
  X(MWBR,    uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(MWBB,    uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(AEOff,   uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(AEArea,  uint16_t, uint8_t,  RANGED,    MODEL_0_ONLY)    \
  X(AgesRes, uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(AgcRes,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(AesRes,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(Shape,   uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(YGamma,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(CGamma,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(NegPos,  int32_t,  uint8_t,  RANGED,    BOTH_MODELS)     \
  X(Phase,   uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(ATWRes,  uint16_t, uint8_t,  RANGED,    BOTH_MODELS)     \
  X(AEMode,  uint8_t,  uint8_t,  RANGED,    BOTH_MODELS)     \
  X(Usflg,   uint16_t, uint8_t,  USER_FLAG, BOTH_MODELS)     \
  X(DZoom,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(AELevel, uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(EZPane,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(EZTilt,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(EZDemo,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(DigAgc,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(EZSWBtn, uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(ESMin,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(ESMax,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(MaxGain, uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(MinGain, uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(EZMinn,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate0,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate1,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate2,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate3,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate4,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(Rate5,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(RateP,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(DioSel,  uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(ReBps,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)    \
  X(RePrt,   uint16_t, uint8_t,  RANGED,    MODEL_1_ONLY)
/* clang-format on */

#endif /* OCEL400_SETTINGS_H */
