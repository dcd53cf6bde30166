// The recording double against what GUI tests rely on: its call log, its
// answers in each getter's type, its script. Its export table is checked
// against the real library's in tests/library.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Ocel400.h"
#include "recording_double.h"

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
  EXPORT(ReadArea)(3);
  EXPORT(PortInit)(2);
  EXPORT(PortInitEx)(1, 1, 0, 9600, 0);
  EXPORT(GetShape)();
  fake_.setValue("LastResult", 1);
  EXPECT_EQ(EXPORT(LastResult)(), 1);  // scripted, and not a camera call
  EXPECT_EQ(fake_.calls(),
            (Calls{"SetShape(131)", "SetMGC(6.5)", "SetNegPos(-1)", "SetAEMode(65)",
                   "SelectArea(15,1)", "ReadArea(3)", "PortInit(2)", "PortInitEx(1,1,0,9600,0)",
                   "GetShape()"}));
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

// The script: queued answers first, in order, each stem its own queue; area
// rows from SetArea and SelectArea; and reset, which drops all of it.
TEST_F(recording_double, ScriptOfAnswersAndAreaRowsUntilReset) {
  fake_.setValue("MGC", 1.5);
  fake_.queueAnswer("Shape", 9);
  fake_.queueAnswer("MGC", 2.5);
  fake_.queueAnswer("MGC", 3.5);
  const std::vector<double> answers{EXPORT(GetMGC)(), EXPORT(GetMGC)(), EXPORT(GetMGC)()};
  EXPECT_EQ(answers, (std::vector<double>{2.5, 3.5, 1.5}));
  fake_.setArea(0, 0x1F);
  fake_.setArea(6, 3);  // beyond the rows: ignored
  EXPORT(SelectArea)(0x15, 5);
  for (const auto& [row, mask] : {std::pair{0, 0x1F}, {5, 0x15}, {3, 0}, {6, 0}, {-1, 0}})
    EXPECT_EQ(EXPORT(ReadArea)(row), mask) << "row " << row;
  fake_.reset();
  EXPECT_EQ(EXPORT(GetShape)(), 0);
  EXPECT_EQ(EXPORT(GetMGC)(), 0);
  EXPECT_EQ(EXPORT(ReadArea)(0), 0);
  EXPECT_EQ(fake_.calls(), (Calls{"GetShape()", "GetMGC()", "ReadArea(0)"}));
}

}  // namespace
