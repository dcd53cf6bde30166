// What the exports must put on the line, byte for byte: the cases the Linux
// tests and the Windows driver share.
#pragma once

#include <cstdint>
#include <functional>

#include "lib_exports.h"

namespace ocel::testing {

struct FrameCase {
  const char* call;
  int model;
  std::function<std::uint16_t()> send;
  const char* frame;  // without the closing CR
};

inline const FrameCase kSetterFrameCases[] = {
    {"SetShape(128) model 0", 0, [] { return lib::SetShape(128); }, "000000W017128"},
    {"SetShape(128) model 1", 1, [] { return lib::SetShape(128); }, "000000W014128"},
    {"SetAEOff(300)", 0, [] { return lib::SetAEOff(300); }, "000000W014128"},
    {"SetAEOff(65536 + 7)", 0, [] { return lib::SetAEOff(static_cast<uint16_t>(65536 + 7)); },
     "000000W014007"},
    {"SetNegPos(-1)", 0, [] { return lib::SetNegPos(-1); }, "000000W020000"},
    {"SetNegPos(3)", 0, [] { return lib::SetNegPos(3); }, "000000W020003"},
    {"SetMode(-5)", 0, [] { return lib::SetMode(-5); }, "000000W000001"},
    {"SetModeES(3)", 0, [] { return lib::SetModeES(3); }, "000000W002002"},
    {"SetModeES(4)", 0, [] { return lib::SetModeES(4); }, "000000W002004"},
    {"SetModeWB(5)", 0, [] { return lib::SetModeWB(5); }, "000000W003000"},
    {"SetAEMode(9)", 0, [] { return lib::SetAEMode(9); }, "000000W024009"},
    {"SetAEMode(10)", 0, [] { return lib::SetAEMode(10); }, "000000W024000"},
    {"SetDZoom(10)", 1, [] { return lib::SetDZoom(10); }, "000000W017235"},
    {"SetEZMinn(10)", 1, [] { return lib::SetEZMinn(10); }, "000000W043064"},
    {"SetAgcRes(0)", 1, [] { return lib::SetAgcRes(0); }, "000000W028001"},
    {"SetAgcRes(0) model 0", 0, [] { return lib::SetAgcRes(0); }, "000000W016001"},
    {"SetAesRes(11)", 1, [] { return lib::SetAesRes(11); }, "000000W029001"},
    {"SetEZPane(127)", 1, [] { return lib::SetEZPane(127); }, "000000W023128"},
    {"SetEZTilt(255)", 1, [] { return lib::SetEZTilt(255); }, "000000W024255"},
    {"SetReBps(192)", 1, [] { return lib::SetReBps(192); }, "000000W125096"},
    {"SetRePrt(2)", 1, [] { return lib::SetRePrt(2); }, "000000W126002"},
    {"SetDioSel(11)", 1, [] { return lib::SetDioSel(11); }, "000000W101010"},
    {"SetESMax(156)", 1, [] { return lib::SetESMax(156); }, "000000W036155"},
    {"SetAELevel(999)", 1, [] { return lib::SetAELevel(999); }, "000000W022999"},
    {"SetAELevel(1000)", 1, [] { return lib::SetAELevel(1000); }, "000000W022255"},
    {"SetUsflg(255)", 1, [] { return lib::SetUsflg(255); }, "000000W127255"},
    {"SetUsflg(1) model 0", 0, [] { return lib::SetUsflg(1); }, "000000W031001"},
    {"SetMGC(60.0) model 0", 0, [] { return lib::SetMGC(60.0); }, "000000W007000"},
    {"SetMGC(24.0)", 1, [] { return lib::SetMGC(24.0); }, "000000W007240"},
    {"SetMGC(30.0)", 1, [] { return lib::SetMGC(30.0); }, "000000W007243"},
    {"SetMGC(6.0) model 0", 0, [] { return lib::SetMGC(6.0); }, "000000W007085"},
    {"SetMES(1000) PAL", 0, [] { return lib::SetMES(1000); }, "000000W008119"},
    {"SetMES(3000)", 0, [] { return lib::SetMES(3000); }, "000000W008163"},
    {"SetMES(10)", 0, [] { return lib::SetMES(10); }, "000000W008000"},
    {"SelectArea(1, 2)", 0, [] { return lib::SelectArea(1, 2); }, "000000W026016"},
    {"SelectArea(31, 1)", 0, [] { return lib::SelectArea(31, 1); }, "000000W025031"},
    {"SelectArea(0, 5)", 0, [] { return lib::SelectArea(0, 5); }, "000000W029000"},
    {"SelectArea(16, 3)", 0, [] { return lib::SelectArea(16, 3); }, "000000W027001"},
    {"SelectArea(33, 0)", 0, [] { return lib::SelectArea(33, 0); }, "000000W024016"},
};

// Read requests of a model 1 camera in its factory state; from register 100
// on the register field runs past ASCII 9.
struct ReadRequestCase {
  const char* call;
  std::function<int()> read;
  int value;
  const char* frame;  // without the closing CR
};

inline const ReadRequestCase kReadRequestCases[] = {
    {"GetMES()", [] { return static_cast<int>(lib::GetMES()); }, 50, "000000R008000"},
    {"GetReBps()", [] { return static_cast<int>(lib::GetReBps()); }, 96, "000000R0<5000"},
    {"GetDioSel()", [] { return static_cast<int>(lib::GetDioSel()); }, 10, "000000R0:1000"},
};

}  // namespace ocel::testing
