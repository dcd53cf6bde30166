// The recording double's call log and its answers in each getter's type; its
// script (queued answers, area rows, reset) is exercised by the GUI tests.
#include "recording_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Ocel400.h"

namespace {

using Calls = std::vector<std::string>;

// Suite names are lower-case so that `ctest -R recording` selects them.
class recording_double : public testing::Test {
 protected:
  RecordingDouble fake_{OCEL_DOUBLE_PATH};
};

// A camera export of the loaded double, typed by the real declaration.
#define EXPORT(name) fake_.find<decltype(::name)>(#name)

TEST_F(recording_double, LogsEveryCallInItsFormat) {
  EXPORT(SetShape)(131);
  EXPORT(SetMGC)(6.5);
  EXPORT(SetNegPos)(-1);
  EXPORT(SetAEMode)(65);
  EXPORT(SelectArea)(15, 1);
  EXPECT_EQ(EXPORT(ReadArea)(1), 15);
  EXPORT(PortInit)(2);
  EXPORT(PortInitEx)(1, 1, 0, 9600, 0);
  EXPORT(GetShape)();
  fake_.setValue("LastResult", 1);
  EXPECT_EQ(EXPORT(LastResult)(), 1);  // scripted, and not a camera call
  EXPECT_EQ(fake_.calls(), (Calls{"SetShape(131)", "SetMGC(6.5)", "SetNegPos(-1)", "SetAEMode(65)",
                                  "SelectArea(15,1)", "ReadArea(1)", "PortInit(2)",
                                  "PortInitEx(1,1,0,9600,0)", "GetShape()"}));
  fake_.reset();
  EXPECT_EQ(EXPORT(ReadArea)(1), 0) << "reset keeps an area row";
}

TEST_F(recording_double, GettersAnswerTheStoredValueInTheirType) {
  EXPECT_EQ(EXPORT(SetShape)(131), OCEL400_DONE);
  EXPECT_EQ(EXPORT(GetShape)(), 131);
  EXPORT(SetMGC)(6.5);
  EXPECT_EQ(EXPORT(GetMGC)(), 6.5);
  EXPORT(SetNegPos)(-1);
  EXPECT_EQ(EXPORT(GetNegPos)(), 255);  // signed setter, uint8_t getter
  fake_.setValue("Shape", 300);
  EXPECT_EQ(EXPORT(GetShape)(), 44);  // uint8_t keeps the low byte
  fake_.setValue("YGamma", 131.9);
  EXPECT_EQ(EXPORT(GetYGamma)(), 131);  // the fraction dropped
  fake_.setValue("MES", 70000);
  EXPECT_EQ(EXPORT(GetMES)(), 70000 - 65536);  // GetMES keeps 16 bits
  fake_.setValue("AEMode", 1e300);
  EXPECT_EQ(EXPORT(GetAEMode)(), 255);  // beyond int64: clamped first
  fake_.setValue("Phase", std::nan(""));
  EXPECT_EQ(EXPORT(GetPhase)(), 0);
}

}  // namespace
