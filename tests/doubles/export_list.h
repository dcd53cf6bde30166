// The library's setters and getters as X-macro lists, so that each kind of
// export has one body. An entry is (stem, C type): the export is Set<stem>
// taking the type, or Get<stem> returning it. PortInit, PortInitEx,
// LastResult, SelectArea and ReadArea have bodies of their own.
#ifndef OCEL_DOUBLE_EXPORT_LIST_H
#define OCEL_DOUBLE_EXPORT_LIST_H

#define OCEL_DOUBLE_SETTERS(X)                                                                  \
  X(Mode, int32_t) X(ModeZM, uint16_t) X(NegPos, int32_t) X(ModeWB, uint16_t)                  \
  X(ModeES, uint16_t) X(ModeGC, uint16_t) X(AEMode, uint8_t)                                   \
  X(AEOff, uint16_t) X(AEArea, uint16_t) X(AgesRes, uint16_t) X(AgcRes, uint16_t)              \
  X(AesRes, uint16_t) X(ATWRes, uint16_t) X(Shape, uint16_t) X(YGamma, uint16_t)               \
  X(CGamma, uint16_t) X(Phase, uint16_t) X(MWBR, uint16_t) X(MWBB, uint16_t)                   \
  X(ESMin, uint16_t) X(ESMax, uint16_t) X(MinGain, uint16_t) X(MaxGain, uint16_t)              \
  X(AELevel, uint16_t) X(DigAgc, uint16_t) X(DZoom, uint16_t) X(EZMinn, uint16_t)              \
  X(EZPane, uint16_t) X(EZTilt, uint16_t) X(EZSWBtn, uint16_t) X(EZDemo, uint16_t)             \
  X(Rate0, uint16_t) X(Rate1, uint16_t) X(Rate2, uint16_t) X(Rate3, uint16_t)                  \
  X(Rate4, uint16_t) X(Rate5, uint16_t) X(RateP, uint16_t) X(DioSel, uint16_t)                 \
  X(ReBps, uint16_t) X(RePrt, uint16_t) X(Usflg, uint16_t) X(MGC, double) X(MES, uint16_t)

// The no_getshape build leaves GetShape out, so that tests can provoke the
// program's report of a missing export.
#ifdef OCEL_DOUBLE_OMIT_GETSHAPE
#define OCEL_DOUBLE_GETSHAPE_ENTRY(X)
#else
#define OCEL_DOUBLE_GETSHAPE_ENTRY(X) X(Shape, uint8_t)
#endif

#define OCEL_DOUBLE_GETTERS(X)                                                                  \
  X(Mode, uint8_t) X(ModeGC, uint8_t) X(ModeES, uint8_t) X(ModeWB, uint8_t)                    \
  X(ModeZM, uint8_t) X(MWBR, uint8_t) X(MWBB, uint8_t) X(AEOff, uint8_t) X(AEArea, uint8_t)    \
  X(AgesRes, uint8_t) X(AgcRes, uint8_t) X(AesRes, uint8_t) OCEL_DOUBLE_GETSHAPE_ENTRY(X)      \
  X(YGamma, uint8_t) X(CGamma, uint8_t) X(NegPos, uint8_t) X(Phase, uint8_t)                   \
  X(ATWRes, uint8_t) X(AEMode, uint8_t) X(Usflg, uint8_t) X(DZoom, uint8_t)                    \
  X(AELevel, uint8_t) X(EZPane, uint8_t) X(EZTilt, uint8_t) X(EZDemo, uint8_t)                 \
  X(DigAgc, uint8_t) X(EZSWBtn, uint8_t) X(ESMin, uint8_t) X(ESMax, uint8_t)                   \
  X(MaxGain, uint8_t) X(MinGain, uint8_t) X(EZMinn, uint8_t) X(Rate0, uint8_t)                 \
  X(Rate1, uint8_t) X(Rate2, uint8_t) X(Rate3, uint8_t) X(Rate4, uint8_t) X(Rate5, uint8_t)    \
  X(RateP, uint8_t) X(DioSel, uint8_t) X(ReBps, uint8_t) X(RePrt, uint8_t)                     \
  X(MGC, double) X(MES, uint16_t)

#endif  // OCEL_DOUBLE_EXPORT_LIST_H
