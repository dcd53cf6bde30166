// The classic camera panel against the recording double: what it reads at
// start and shows, what each slider and button sends.
#include "classic/camera_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "gui_support.h"
#include "platform/controls.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "panel_support/camera_link_watch.h"
#include "panel_support/wait_window.h"

namespace ocel::classic {
namespace {

namespace ids = res::classic_panel;
using Calls = std::vector<std::string>;

const Calls kStartupReads{"GetModeGC()", "GetModeES()", "GetModeWB()", "GetAEMode()",
                          "GetNegPos()", "GetMode()",   "GetPhase()",  "GetAgesRes()",
                          "GetATWRes()", "GetCGamma()", "GetAEOff()",  "GetYGamma()",
                          "GetMWBR()",   "GetMWBB()",   "GetShape()",  "GetMGC()",
                          "GetMES()",    "GetAEArea()"};

class ClassicPanel : public ::testing::Test {
 protected:
  ClassicPanel() {
    std::string reason;
    library_ = platform::LoadedLibrary::load(OCEL400_DOUBLE_PATH, reason);
    // A camera in Camera mode with automatic modes and AE mode Variable.
    for (const char* mode : {"ModeGC", "ModeES", "ModeWB", "AEMode"}) camera.setValue(mode, 2);
  }

  // Opens the panel on what the camera holds now; the log starts after it.
  void open(bool keepStartupCalls = false) {
    panel_ = std::make_unique<CameraPanel_1>(*library_, waitWindow_);
    panel_->CreateModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel_.get()));
    if (!keepStartupCalls) camera.clearCalls();
  }
  CameraPanel_1& panel() { return *panel_; }

  void click(int id) { QTest::mouseClick(panel_->control(id), Qt::LeftButton); }
  // Keys go where the user's keys go: to the widget with the focus.
  void key(Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); }
  // Opens the panel as the active window and presses Tab from its first
  // control on until id has the focus; the ids the focus visited.
  std::vector<int> tabTo(int id) {
    open();
    panel_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(panel_.get()));
    std::vector<int> visited{platform::kNoId};
    while (visited.back() != id && visited.size() < 200) {
      key(Qt::Key_Tab);
      visited.push_back(platform::kNoId);
      for (const auto& control : panel_->dialogTemplate().controls)
        if (control.id != platform::kNoId &&
            panel_->control(control.id) == QApplication::focusWidget())
          visited.back() = control.id;
    }
    EXPECT_EQ(visited.back(), id) << "Tab never reached it";
    return visited;
  }
  void scroll(int id, int code, int position = 0) {
    emit qobject_cast<platform::ScrollBarControl*>(panel_->control(id))->scrolled(code, position);
  }
  Calls calls() { return camera.calls(); }
  QString text(int id) { return panel_->controlText(id); }
  bool checked(int id) { return panel_->checkState(id) != 0; }
  bool enabled(int id) { return panel_->isControlEnabled(id); }
  std::string grid() {
    std::string cells;
    for (const auto& row : ids::kGridBoxes) {
      for (int box : row) cells += checked(box) ? '#' : '.';
      cells += '/';
    }
    return cells;
  }

  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  std::unique_ptr<platform::LoadedLibrary> library_;
  panel_support::WaitWindow waitWindow_;
  std::unique_ptr<CameraPanel_1> panel_;
};

constexpr const char* kCross = "...../..#../.###./..#../...../";

// ---- Start-up -------------------------------------------------------------

TEST_F(ClassicPanel, StartupReadsEverySettingInOrderAndHidesTheWaitWindow) {
  waitWindow_.showCentred();
  open(true);
  EXPECT_EQ(calls(), kStartupReads);
  EXPECT_FALSE(waitWindow_.isVisible());
}

TEST_F(ClassicPanel, StartupInSelectModeReadsTheFiveRowsIntoTheGrid) {
  camera.setValue("AEMode", 3);
  camera.setArea(1, 31);
  camera.setArea(3, 0x24);  // bits 5 and 2: above the grid, and the centre
  open(true);
  Calls expected = kStartupReads;
  for (int row = 1; row <= 5; ++row) expected.push_back("ReadArea(" + std::to_string(row) + ")");
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(grid(), "#####/...../..#../...../...../");
  EXPECT_EQ(panel().rowMask3, 0x24);
  EXPECT_EQ(panel().areaSelectMode, 1);
}

TEST_F(ClassicPanel, CameraModeWithAutomaticModesAndVariable) {
  open();
  for (int id : {ids::kCameraMode, ids::kGainAuto, ids::kShutterAuto, ids::kWbAuto, ids::kVariable,
                 ids::kPositive})
    EXPECT_TRUE(checked(id)) << id;
  for (int id : {ids::kShutterSlider, ids::kGainSlider, ids::kRedSlider, ids::kBlueSlider})
    EXPECT_FALSE(enabled(id)) << id;
  EXPECT_TRUE(enabled(ids::kAeAreaSlider));
  EXPECT_EQ(grid(), kCross);
  EXPECT_EQ(panel().remoteMode, 0);
}

TEST_F(ClassicPanel, ManualWhiteBalanceUnlocksRedAndBlueOnlyInRemote) {
  camera.setValue("ModeWB", 4);
  for (int mode : {1, 0}) {
    camera.setValue("Mode", mode);
    open();
    EXPECT_TRUE(checked(ids::kWbManual));
    EXPECT_EQ(enabled(ids::kRedSlider), mode == 1) << mode;
    EXPECT_EQ(enabled(ids::kBlueSlider), mode == 1) << mode;
  }
}

TEST_F(ClassicPanel, RememberedModesStartAutomaticWhateverTheCameraSays) {
  for (const char* mode : {"ModeGC", "ModeES", "ModeWB"}) camera.setValue(mode, 4);
  camera.setValue("Mode", 1);
  open();
  click(ids::kRemoteMode);
  EXPECT_EQ(calls(), (Calls{"SetMode(1)", "SetModeES(2)", "SetModeGC(2)", "SetModeWB(2)"}));
}

struct ShownValue {
  const char* stem;
  double value;
  int slider;
  int position;
  std::vector<std::pair<int, const char*>> labels;
};

class ClassicPanelShows : public ClassicPanel, public ::testing::WithParamInterface<ShownValue> {};

// "MGC_6_4" for a gain of 6.4 dB.
std::string shownValueName(const ::testing::TestParamInfo<ShownValue>& info) {
  std::string name =
      (QString(info.param.stem) + '_' + QString::number(info.param.value)).toStdString();
  std::replace(name.begin(), name.end(), '.', '_');
  return name;
}

TEST_P(ClassicPanelShows, TheCamerasValue) {
  const ShownValue& c = GetParam();
  camera.setValue(c.stem, c.value);
  open();
  EXPECT_EQ(panel().scrollPos(c.slider), c.position);
  for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ClassicPanelShows,
    ::testing::Values(
        ShownValue{"MES", 989, ids::kShutterSlider, 980,
                   {{ids::kShutterPrefix, ""}, {ids::kShutterLabel, "980"}}},
        ShownValue{"MES", 9, ids::kShutterSlider, 0,
                   {{ids::kShutterPrefix, "FL"}, {ids::kShutterLabel, ""}}},
        ShownValue{"MES", 31234, ids::kShutterSlider, 30000, {{ids::kShutterLabel, "31230"}}},
        ShownValue{"MGC", 6.4, ids::kGainSlider, 13, {{ids::kGainLabel, "6.5"}}},
        ShownValue{"MGC", 6.2, ids::kGainSlider, 12, {{ids::kGainLabel, "6.0"}}},
        ShownValue{"MGC", 6.9, ids::kGainSlider, 14, {{ids::kGainLabel, "7.0"}}},
        ShownValue{"AEArea", 64, ids::kAeAreaSlider, 25,
                   {{ids::kInsideLabel, "75"}, {ids::kOutsideLabel, "25"}}},
        ShownValue{"YGamma", 200, ids::kYGammaSlider, 200, {{ids::kYGammaLabel, "200"}}}),
    shownValueName);

// ---- Sliders ----------------------------------------------------------------

struct SliderCase {
  const char* name;
  const char* stem;  // camera value the slider starts from
  double start;
  int slider;
  int code;
  int dragged;
  int position;
  std::vector<std::pair<int, const char*>> labels;
  const char* call;
};

class ClassicSlider : public ClassicPanel, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(ClassicSlider, MovesLabelsAndSendsOnce) {
  const SliderCase& c = GetParam();
  camera.setValue(c.stem, c.start);
  open();
  scroll(c.slider, c.code, c.dragged);
  EXPECT_EQ(panel().scrollPos(c.slider), c.position);
  for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
  EXPECT_EQ(calls(), Calls{c.call});
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ClassicSlider,
    ::testing::Values(
        SliderCase{"SharpnessRight", "Shape", 235, ids::kSharpnessSlider, 1, 0, 236,
                   {{ids::kSharpnessLabel, "236"}}, "SetShape(236)"},
        SliderCase{"PhaseStopsAtTop", "Phase", 255, ids::kPhaseSlider, 1, 0, 255,
                   {{ids::kPhaseLabel, "255"}}, "SetPhase(255)"},
        SliderCase{"RedStopsAtZero", "MWBR", 0, ids::kRedSlider, 0, 0, 0,
                   {{ids::kRedLabel, "0"}}, "SetMWBR(0)"},
        SliderCase{"TroughDoesNotMove", "AEOff", 118, ids::kAeReferenceSlider, 3, 0, 118,
                   {{ids::kAeReferenceLabel, "118"}}, "SetAEOff(118)"},
        SliderCase{"EndOfScrollSendsAgain", "ATWRes", 40, ids::kAtwSpeedSlider, 8, 0, 40,
                   {{ids::kAtwSpeedLabel, "40"}}, "SetATWRes(40)"},
        SliderCase{"DragTakesPosition", "CGamma", 0, ids::kCGammaSlider, 5, 77, 77,
                   {{ids::kCGammaLabel, "77"}}, "SetCGamma(77)"},
        SliderCase{"ShutterUpTheLadder", "MES", 4000, ids::kShutterSlider, 1, 0, 5600,
                   {{ids::kShutterPrefix, "1/"}, {ids::kShutterLabel, "5600"}}, "SetMES(5600)"},
        SliderCase{"ShutterDownTheLadder", "MES", 60, ids::kShutterSlider, 0, 0, 50,
                   {{ids::kShutterLabel, "50"}}, "SetMES(50)"},
        SliderCase{"ShutterBottomStays", "MES", 50, ids::kShutterSlider, 0, 0, 50, {},
                   "SetMES(50)"},
        SliderCase{"ShutterTopStays", "MES", 30000, ids::kShutterSlider, 1, 0, 30000, {},
                   "SetMES(30000)"},
        SliderCase{"ShutterOffLadderStays", "MES", 1234, ids::kShutterSlider, 1, 0, 1230,
                   {{ids::kShutterPrefix, "1/"}, {ids::kShutterLabel, "1230"}}, "SetMES(1230)"},
        SliderCase{"ShutterSnaps3399", "MES", 50, ids::kShutterSlider, 5, 3399, 2800, {},
                   "SetMES(2800)"},
        SliderCase{"ShutterSnaps3400", "MES", 50, ids::kShutterSlider, 5, 3400, 4000, {},
                   "SetMES(4000)"},
        SliderCase{"ShutterSnapsZero", "MES", 1000, ids::kShutterSlider, 5, 0, 50, {},
                   "SetMES(50)"},
        SliderCase{"ShutterSnaps54", "MES", 1000, ids::kShutterSlider, 5, 54, 50, {},
                   "SetMES(50)"},
        SliderCase{"GainHalfDecibel", "MGC", 3.0, ids::kGainSlider, 1, 0, 7,
                   {{ids::kGainLabel, "3.5"}}, "SetMGC(3.5)"},
        SliderCase{"GainTop", "MGC", 18.0, ids::kGainSlider, 1, 0, 36,
                   {{ids::kGainLabel, "18.0"}}, "SetMGC(18)"},
        SliderCase{"GainZero", "MGC", 0.5, ids::kGainSlider, 0, 0, 0,
                   {{ids::kGainLabel, "0.0"}}, "SetMGC(0)"},
        SliderCase{"AeAreaOnePercent", "AEArea", 0, ids::kAeAreaSlider, 5, 1, 1,
                   {{ids::kInsideLabel, "99"}, {ids::kOutsideLabel, "1"}}, "SetAEArea(3)"},
        SliderCase{"AeAreaHalf", "AEArea", 0, ids::kAeAreaSlider, 5, 50, 50, {},
                   "SetAEArea(127)"},
        SliderCase{"AeAreaAll", "AEArea", 0, ids::kAeAreaSlider, 5, 100, 100, {},
                   "SetAEArea(255)"},
        SliderCase{"AeAreaThirty", "AEArea", 0, ids::kAeAreaSlider, 5, 30, 30,
                   {{ids::kInsideLabel, "70"}, {ids::kOutsideLabel, "30"}}, "SetAEArea(77)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClassicPanel, ArrowClickSendsTheNewValueAndAgainAtTheEndOfScroll) {
  camera.setValue("Shape", 235);
  open();
  auto* bar = qobject_cast<platform::ScrollBarControl*>(panel().control(ids::kSharpnessSlider));
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
  EXPECT_EQ(calls(), (Calls{"SetShape(236)", "SetShape(236)"}));
}

// ---- Buttons ------------------------------------------------------------------

TEST_F(ClassicPanel, CameraModeKeepsAutomaticButRemembersTheChoiceForRemote) {
  open();
  click(ids::kWbManual);
  EXPECT_TRUE(checked(ids::kWbAuto));
  EXPECT_FALSE(checked(ids::kWbManual));
  EXPECT_EQ(panel().rememberedWhiteBalanceMode, 4);
  click(ids::kGainAuto);
  click(ids::kRemoteMode);
  EXPECT_EQ(calls(), (Calls{"SetModeGC(2)", "SetMode(1)", "SetModeES(2)", "SetModeGC(2)",
                            "SetModeWB(4)"}));
  EXPECT_TRUE(checked(ids::kWbAuto));
  EXPECT_FALSE(enabled(ids::kRedSlider));
  click(ids::kRemoteMode);  // again: the four calls again
  EXPECT_EQ(calls().size(), 9u);
}

TEST_F(ClassicPanel, RemoteModeSendsManualAndUnlocksItsSlider) {
  camera.setValue("Mode", 1);
  open();
  click(ids::kGainManual);
  EXPECT_TRUE(enabled(ids::kGainSlider));
  EXPECT_FALSE(checked(ids::kGainAuto));
  click(ids::kGain0dB);
  EXPECT_FALSE(enabled(ids::kGainSlider));
  EXPECT_FALSE(checked(ids::kGainManual));
  EXPECT_EQ(calls(), (Calls{"SetModeGC(4)", "SetModeGC(0)"}));
  EXPECT_EQ(panel().rememberedGainMode, 0);
}

TEST_F(ClassicPanel, CameraButtonFallsBackToAutomaticAndVariable) {
  for (const char* mode : {"ModeGC", "ModeES", "ModeWB"}) camera.setValue(mode, 4);
  camera.setValue("Mode", 1);
  camera.setValue("AEMode", 0);
  open();
  click(ids::kCameraMode);
  EXPECT_EQ(calls(), Calls{"SetMode(0)"});
  for (int id : {ids::kGainAuto, ids::kShutterAuto, ids::kWbAuto, ids::kVariable})
    EXPECT_TRUE(checked(id)) << id;
  for (int id : {ids::kGainManual, ids::kShutterManual, ids::kWbManual, ids::kAllArea,
                 ids::kRemoteMode})
    EXPECT_FALSE(checked(id)) << id;
  for (int id : {ids::kShutterSlider, ids::kGainSlider, ids::kRedSlider, ids::kBlueSlider})
    EXPECT_FALSE(enabled(id)) << id;
  EXPECT_TRUE(enabled(ids::kAeAreaSlider));
  EXPECT_EQ(grid(), kCross);
  EXPECT_EQ(panel().remoteMode, 0);
}

TEST_F(ClassicPanel, AeModesInCameraModeFallBackToVariable) {
  open();
  click(ids::kSelect);
  click(ids::kSpot);
  EXPECT_TRUE(checked(ids::kVariable));
  EXPECT_FALSE(checked(ids::kSelect));
  EXPECT_FALSE(checked(ids::kSpot));
  click(ids::kVariable);
  EXPECT_EQ(calls(), Calls{"SetAEMode(2)"});
}

TEST_F(ClassicPanel, AeModesInRemoteModeSendAndShowTheirPattern) {
  camera.setValue("Mode", 1);
  camera.setArea(2, 0b10001);
  open();
  click(ids::kAllArea);
  EXPECT_EQ(grid(), "#####/#####/#####/#####/#####/");
  EXPECT_FALSE(enabled(ids::kAeAreaSlider));
  click(ids::kSpot);
  EXPECT_EQ(grid(), "...../...../..#../...../...../");
  click(ids::kSelect);
  EXPECT_EQ(grid(), "...../#...#/...../...../...../");
  EXPECT_EQ(panel().areaSelectMode, 1);
  EXPECT_EQ(calls(), (Calls{"SetAEMode(0)", "SetAEMode(1)", "SetAEMode(3)", "ReadArea(1)",
                            "ReadArea(2)", "ReadArea(3)", "ReadArea(4)", "ReadArea(5)"}));
}

TEST_F(ClassicPanel, GridEditsRowMasksOnlyInSelectMode) {
  camera.setValue("Mode", 1);
  camera.setArea(1, 31);
  open();
  click(ids::kGridBoxes[4][0]);  // outside Select: turns back, sends the row as it is
  EXPECT_FALSE(checked(ids::kGridBoxes[4][0]));
  EXPECT_EQ(calls(), Calls{"SelectArea(0,5)"});
  click(ids::kSelect);
  camera.clearCalls();
  click(ids::kGridBoxes[0][0]);
  click(ids::kGridBoxes[0][0]);
  EXPECT_EQ(calls(), (Calls{"SelectArea(15,1)", "SelectArea(31,1)"}));
  // Camera shows the cross but leaves Select's editing on.
  click(ids::kCameraMode);
  EXPECT_EQ(grid(), kCross);
  camera.clearCalls();
  click(ids::kGridBoxes[0][4]);
  EXPECT_EQ(calls(), Calls{"SelectArea(30,1)"});
}

TEST_F(ClassicPanel, GridClickBeforeAnyAreaReadSendsAZeroRow) {
  open();
  click(ids::kGridBoxes[2][2]);
  EXPECT_TRUE(checked(ids::kGridBoxes[2][2]));  // the cross's centre stays
  EXPECT_EQ(calls(), Calls{"SelectArea(0,3)"});
}

TEST_F(ClassicPanel, ImageModeSaveAndReset) {
  open();
  click(ids::kNegative);
  EXPECT_FALSE(checked(ids::kPositive));
  click(ids::kSave);
  camera.setValue("Shape", 17);
  click(ids::kReset);
  Calls expected{"SetNegPos(1)", "SetUsflg(1)", "SetUsflg(0)", "SetUsflg(255)"};
  expected.insert(expected.end(), kStartupReads.begin(), kStartupReads.end());
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(text(ids::kSharpnessLabel), "17");
}

// A camera that stops answering is told once per run of failed actions;
// the watch adds no camera call.
TEST_F(ClassicPanel, ACameraThatStopsAnsweringIsToldOncePerRunOfFailures) {
  open();
  testing::ScriptedPrompts prompts;
  panel_support::CameraLinkWatch watch(*library_, QStringLiteral("COM2"));
  const panel_support::WatchedUserActions watched(watch);
  const struct {
    int lastResult;
    bool told;
  } actions[] = {{0, false}, {1, true}, {1, false}, {2, false}, {0, false}, {2, true}};
  for (const auto& action : actions) {
    camera.setValue("LastResult", action.lastResult);
    const std::size_t before = prompts.messages.size();
    click(ids::kSave);
    EXPECT_EQ(prompts.messages.size() - before, action.told ? 1u : 0u) << action.lastResult;
  }
  Calls saves;
  for (std::size_t i = 0; i < std::size(actions); ++i) saves.insert(saves.end(), {"SetUsflg(1)", "SetUsflg(0)"});
  EXPECT_EQ(calls(), saves);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text,
            "Die Kamera an COM2 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.");
  EXPECT_EQ(prompts.messages[0].caption, "Ocel Error!");
}

// ---- Keyboard -----------------------------------------------------------------

// Enter presses the small Savemenu button that has the focus, as a click
// would; the panel stays open.
TEST_F(ClassicPanel, EnterPressesTheFocusedSavemenuButton) {
  Calls reset{"SetUsflg(255)"};
  reset.insert(reset.end(), kStartupReads.begin(), kStartupReads.end());
  const struct {
    int button;
    Calls sent;
    std::size_t fileDialogs;
  } cases[] = {{ids::kSave, {"SetUsflg(1)", "SetUsflg(0)"}, 0},
               {ids::kReset, reset, 0},
               {ids::kConfigSave, {}, 1},
               {ids::kConfigLoad, {}, 1}};
  for (const auto& c : cases) {
    testing::ScriptedPrompts prompts;  // the file dialogs answer "cancelled"
    tabTo(c.button);
    key(Qt::Key_Return);
    EXPECT_EQ(calls(), c.sent) << c.button;
    EXPECT_EQ(prompts.fileRequests.size(), c.fileDialogs) << c.button;
    EXPECT_TRUE(panel().isVisible()) << c.button;
  }
}

// Tab lands on every slider that can be used, in the template's order, and
// the arrows of a focused slider move it as its arrow buttons do.
TEST_F(ClassicPanel, TabReachesTheEnabledSlidersAndArrowsMoveThem) {
  camera.setValue("Shape", 235);
  std::vector<int> sliders;
  for (int id : tabTo(ids::kGridBoxes[4][4]))  // the last control
    if (panel().hasControl(id) && qobject_cast<platform::ScrollBarControl*>(panel().control(id)))
      sliders.push_back(id);
  EXPECT_EQ(sliders, (std::vector<int>{ids::kSharpnessSlider, ids::kAtwSpeedSlider,
                                       ids::kAeSpeedSlider, ids::kYGammaSlider,
                                       ids::kCGammaSlider, ids::kPhaseSlider,
                                       ids::kAeAreaSlider, ids::kAeReferenceSlider}));
  tabTo(ids::kSharpnessSlider);
  key(Qt::Key_Right);
  key(Qt::Key_Return);  // not a push button: OK closes the panel
  EXPECT_EQ(calls(), (Calls{"SetShape(236)", "SetShape(236)"}));
  EXPECT_FALSE(panel().isVisible());
}

}  // namespace
}  // namespace ocel::classic
