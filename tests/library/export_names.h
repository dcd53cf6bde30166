// Every export of the library by its plain name: the 92 camera functions and
// LastResult. The export-table tests compare the built libraries against this
// list, and the Windows test driver binds its entry points by these names.
#pragma once

#define OCEL400_EXPORT_NAMES(X)                                                                  \
  X(PortInit) X(PortInitEx) X(LastResult) X(SelectArea) X(ReadArea)                             \
  X(SetMode) X(SetModeZM) X(SetNegPos) X(SetModeWB) X(SetModeES) X(SetModeGC) X(SetAEMode)      \
  X(SetAEOff) X(SetAEArea) X(SetAgesRes) X(SetAgcRes) X(SetAesRes) X(SetATWRes) X(SetShape)     \
  X(SetYGamma) X(SetCGamma) X(SetPhase) X(SetMWBR) X(SetMWBB) X(SetESMin) X(SetESMax)           \
  X(SetMinGain) X(SetMaxGain) X(SetAELevel) X(SetDigAgc) X(SetDZoom) X(SetEZMinn) X(SetEZPane)  \
  X(SetEZTilt) X(SetEZSWBtn) X(SetEZDemo) X(SetRate0) X(SetRate1) X(SetRate2) X(SetRate3)       \
  X(SetRate4) X(SetRate5) X(SetRateP) X(SetDioSel) X(SetReBps) X(SetRePrt) X(SetUsflg)          \
  X(SetMGC) X(SetMES)                                                                           \
  X(GetMode) X(GetModeGC) X(GetModeES) X(GetModeWB) X(GetModeZM) X(GetMWBR) X(GetMWBB)          \
  X(GetAEOff) X(GetAEArea) X(GetAgesRes) X(GetAgcRes) X(GetAesRes) X(GetShape) X(GetYGamma)     \
  X(GetCGamma) X(GetNegPos) X(GetPhase) X(GetATWRes) X(GetAEMode) X(GetUsflg) X(GetDZoom)       \
  X(GetAELevel) X(GetEZPane) X(GetEZTilt) X(GetEZDemo) X(GetDigAgc) X(GetEZSWBtn) X(GetESMin)   \
  X(GetESMax) X(GetMaxGain) X(GetMinGain) X(GetEZMinn) X(GetRate0) X(GetRate1) X(GetRate2)      \
  X(GetRate3) X(GetRate4) X(GetRate5) X(GetRateP) X(GetDioSel) X(GetReBps) X(GetRePrt)          \
  X(GetMGC) X(GetMES)
