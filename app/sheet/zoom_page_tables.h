// The zoom page's controls as data: its option groups with their values,
// the weight sliders with their labels and exports, the side buttons that
// mean nothing at 100 %. Shared by the page's source files.
#pragma once

#include <array>
#include <cstdint>

#include "res/zoom_page_ids.h"
#include "sheet/zoom_comm_page.h"

namespace ocel::sheet {

namespace ids = res::zoom_page;

using ByteSetter = decltype(&::SetEZPane);

// One option button: the value it sends, and the stored values that check
// it when the page becomes active.
struct OptionChoice {
  int id;
  std::uint16_t value;
  int shownFrom, shownTo;
};

// Pan, tilt, parity and baud rate: three option buttons that each form a
// group of their own, so the handler unchecks the other two.
struct OptionGroup {
  std::array<OptionChoice, 3> choices;
  std::int32_t ZoomComm_1::*stored;
  ByteSetter ZoomPageEntryPoints::*setter;
};

inline const std::array<OptionGroup, 4> kOptionGroups{{
    {{{{ids::kParityNone, 0, 0, 0}, {ids::kParityOdd, 1, 1, 1}, {ids::kParityEven, 2, 2, 2}}},
     &ZoomComm_1::cameraParity,
     &ZoomPageEntryPoints::SetRePrt},
    {{{{ids::kBaud9600, 96, 96, 96}, {ids::kBaud4800, 48, 48, 48}, {ids::kBaud2400, 24, 24, 24}}},
     &ZoomComm_1::cameraBaudCode,
     &ZoomPageEntryPoints::SetReBps},
    {{{{ids::kPanLeft, 0, 0, 0}, {ids::kPanCenter, 128, 1, 254}, {ids::kPanRight, 255, 255, 255}}},
     &ZoomComm_1::panCode,
     &ZoomPageEntryPoints::SetEZPane},
    {{{{ids::kTiltTop, 0, 0, 0},
       {ids::kTiltCenter, 128, 1, 254},
       {ids::kTiltBottom, 255, 255, 255}}},
     &ZoomComm_1::tiltCode,
     &ZoomPageEntryPoints::SetEZTilt},
}};

// BLC off and on: the one automatic pair.
inline constexpr std::array<int, 2> kBlcButtons{ids::kBlcOff, ids::kBlcOn};

// The seven weight sliders, by weight index: Area I ... VI, then Peak.
struct WeightSlider {
  int slider;
  int label;
  ByteSetter ZoomPageEntryPoints::*setter;
};
inline const std::array<WeightSlider, 7> kWeightSliders{{
    {ids::kArea1Slider, ids::kArea1Label, &ZoomPageEntryPoints::SetRate0},
    {ids::kArea2Slider, ids::kArea2Label, &ZoomPageEntryPoints::SetRate1},
    {ids::kArea3Slider, ids::kArea3Label, &ZoomPageEntryPoints::SetRate2},
    {ids::kArea4Slider, ids::kArea4Label, &ZoomPageEntryPoints::SetRate3},
    {ids::kArea5Slider, ids::kArea5Label, &ZoomPageEntryPoints::SetRate4},
    {ids::kArea6Slider, ids::kArea6Label, &ZoomPageEntryPoints::SetRate5},
    {ids::kPeakSlider, ids::kPeakLabel, &ZoomPageEntryPoints::SetRateP},
}};

// Pan and tilt buttons that move the picture off centre: of no use without
// zoom.
inline constexpr std::array<int, 4> kSideButtons{ids::kPanLeft, ids::kPanRight, ids::kTiltTop,
                                                 ids::kTiltBottom};

inline constexpr int kNoZoomCode = 255;  // 100 %

}  // namespace ocel::sheet
