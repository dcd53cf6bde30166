// The classic camera panel against the recording double: its start, its
// controls and keys, and its configuration files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "classic/camera_panel.h"
#include "gui_support.h"
#include "panel_support/camera_link_watch.h"
#include "panel_support/wait_window.h"
#include "platform/controls.h"
#include "platform/scroll_codes.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

namespace ocel::classic {
namespace {

namespace ids = res::classic_panel;
using namespace platform;  // the scroll codes
using testing::Calls;
using testing::IdList;
using testing::operator+;
using testing::Shown;
using testing::Values;

const Calls kStartupReads = testing::callsIn(
    "GetModeGC() GetModeES() GetModeWB() GetAEMode() GetNegPos() GetMode() GetPhase() "
    "GetAgesRes() GetATWRes() GetCGamma() GetAEOff() GetYGamma() GetMWBR() GetMWBB() "
    "GetShape() GetMGC() GetMES() GetAEArea()");
const IdList kManualSliders{ids::kShutterSlider, ids::kGainSlider, ids::kRedSlider,
                            ids::kBlueSlider};
constexpr const char* kCross = "...../..#../.###./..#../...../";

class ClassicPanel : public testing::DoubleTest<CameraPanel_1> {
 protected:
  // A camera in Camera mode with automatic modes and AE mode Variable; its
  // area rows 1 and 2 read ##### and #...#.
  ClassicPanel() {
    setValues({{"ModeGC", 2}, {"ModeES", 2}, {"ModeWB", 2}, {"AEMode", 2}});
    camera.setArea(1, 31);
    camera.setArea(2, 0b10001);
  }

  // Opens the panel on what the camera holds now; the log starts after it.
  void open(const Values& values = {}, bool keepStartupCalls = false) {
    setValues(values);
    panel = std::make_unique<CameraPanel_1>(*library, waitWindow);
    panel->CreateModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    if (!keepStartupCalls) camera.clearCalls();
  }
  std::string grid() const {
    std::vector<std::vector<int>> rows;
    for (const auto& row : ids::kGridBoxes) rows.emplace_back(std::begin(row), std::end(row));
    return checkMarks(rows);
  }
  void clickAnswering(int button, std::optional<QString> path) {
    prompts.fileAnswers.push_back(path);
    click(button);
  }

  panel_support::WaitWindow waitWindow;
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
};

// In Select mode the start-up also reads the five rows into the grid.
TEST_F(ClassicPanel, StartupReadsEverySettingInOrderAndHidesTheWaitWindow) {
  camera.setArea(3, 0x24);  // bits 5 and 2: above the grid, and the centre
  for (const int aeMode : {2, 3}) {
    camera.clearCalls();
    waitWindow.showCentred();
    open({{"AEMode", aeMode}}, true);
    const Calls rows =
        testing::callsIn("ReadArea(1) ReadArea(2) ReadArea(3) ReadArea(4) ReadArea(5)");
    EXPECT_EQ(calls(), aeMode == 3 ? kStartupReads + rows : kStartupReads);
    EXPECT_FALSE(waitWindow.isVisible());
    EXPECT_EQ(panel->areaSelectMode, aeMode == 3);
  }
  EXPECT_EQ(grid(), "#####/#...#/..#../...../...../");
  EXPECT_EQ(panel->rowMask3, 0x24);
}

// The classic panel's rows also check the AE area grid, when given.
struct AreaGrid {
  const char* grid = nullptr;
};
using PanelCase = testing::PanelCase<AreaGrid>;

class ClassicCase : public ClassicPanel, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(ClassicCase, SendsAndShows) {
  const PanelCase& c = GetParam();
  open(c.camera);
  actAndExpect(c);
  if (c.extra.grid) {
    EXPECT_EQ(grid(), c.extra.grid);
  }
}

const Values kRemoteManual{{"Mode", 1}, {"ModeGC", 4}, {"ModeES", 4}, {"ModeWB", 4}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Reads, ClassicCase,
    ::testing::Values(
        PanelCase{"CameraModeAutomaticAndVariable", {}, {}, {},
                  {{ids::kCameraMode, ids::kGainAuto, ids::kShutterAuto, ids::kWbAuto,
                    ids::kVariable, ids::kPositive},
                   {},
                   {ids::kAeAreaSlider},
                   kManualSliders},
                  {}, {}, kCross},
        PanelCase{"ManualWhiteBalanceUnlockedInRemote", {{"ModeWB", 4}, {"Mode", 1}}, {}, {},
                  {{ids::kWbManual}, {}, {ids::kRedSlider, ids::kBlueSlider}}},
        PanelCase{"ManualWhiteBalanceLockedInCamera", {{"ModeWB", 4}}, {}, {},
                  {{ids::kWbManual}, {}, {}, {ids::kRedSlider, ids::kBlueSlider}}},
        PanelCase{"ShutterInTens", {{"MES", 989}}, {}, {}, {},
                  {{ids::kShutterPrefix, ""}, {ids::kShutterLabel, "980"}},
                  {{ids::kShutterSlider, 980}}},
        PanelCase{"ShutterFL", {{"MES", 9}}, {}, {}, {},
                  {{ids::kShutterPrefix, "FL"}, {ids::kShutterLabel, ""}},
                  {{ids::kShutterSlider, 0}}},
        PanelCase{"ShutterAboveTheRange", {{"MES", 31234}}, {}, {}, {},
                  {{ids::kShutterLabel, "31230"}}, {{ids::kShutterSlider, 30000}}},
        PanelCase{"GainInHalfDecibels", {{"MGC", 6.4}}, {}, {}, {},
                  {{ids::kGainLabel, "6.5"}}, {{ids::kGainSlider, 13}}},
        PanelCase{"AeAreaInPercent", {{"AEArea", 64}}, {}, {}, {},
                  {{ids::kInsideLabel, "75"}, {ids::kOutsideLabel, "25"}},
                  {{ids::kAeAreaSlider, 25}}},
        PanelCase{"PlainSlider", {{"YGamma", 200}}, {}, {}, {},
                  {{ids::kYGammaLabel, "200"}}, {{ids::kYGammaSlider, 200}}}),
    testing::caseName);

INSTANTIATE_TEST_SUITE_P(
    Sliders, ClassicCase,
    ::testing::Values(
        PanelCase{"PhaseStopsAtTop", {{"Phase", 255}}, {{ids::kPhaseSlider, kLineRight}},
                  {"SetPhase(255)"}, {}, {{ids::kPhaseLabel, "255"}}, {{ids::kPhaseSlider, 255}}},
        PanelCase{"RedStopsAtZero", {{"MWBR", 0}}, {{ids::kRedSlider, kLineLeft}},
                  {"SetMWBR(0)"}, {}, {{ids::kRedLabel, "0"}}, {{ids::kRedSlider, 0}}},
        PanelCase{"TroughDoesNotMove", {{"AEOff", 118}}, {{ids::kAeReferenceSlider, kPageRight}},
                  {"SetAEOff(118)"}, {}, {{ids::kAeReferenceLabel, "118"}},
                  {{ids::kAeReferenceSlider, 118}}},
        PanelCase{"EndOfScrollSendsAgain", {{"ATWRes", 40}}, {{ids::kAtwSpeedSlider, kEndScroll}},
                  {"SetATWRes(40)"}, {}, {{ids::kAtwSpeedLabel, "40"}},
                  {{ids::kAtwSpeedSlider, 40}}},
        PanelCase{"DragTakesPosition", {{"CGamma", 0}}, {{ids::kCGammaSlider, kThumbTrack, 77}},
                  {"SetCGamma(77)"}, {}, {{ids::kCGammaLabel, "77"}}, {{ids::kCGammaSlider, 77}}},
        PanelCase{"ShutterUpTheLadder", {{"MES", 4000}}, {{ids::kShutterSlider, kLineRight}},
                  {"SetMES(5600)"}, {}, {{ids::kShutterPrefix, "1/"}, {ids::kShutterLabel, "5600"}},
                  {{ids::kShutterSlider, 5600}}},
        PanelCase{"GainHalfDecibel", {{"MGC", 3.0}}, {{ids::kGainSlider, kLineRight}},
                  {"SetMGC(3.5)"}, {}, {{ids::kGainLabel, "3.5"}}, {{ids::kGainSlider, 7}}},
        PanelCase{"AeAreaOnePercent", {{"AEArea", 0}}, {{ids::kAeAreaSlider, kThumbTrack, 1}},
                  {"SetAEArea(3)"}, {}, {{ids::kInsideLabel, "99"}, {ids::kOutsideLabel, "1"}},
                  {{ids::kAeAreaSlider, 1}}}),
    testing::caseName);

INSTANTIATE_TEST_SUITE_P(
    Buttons, ClassicCase,
    ::testing::Values(
        PanelCase{"RemoteSendsRememberedModesThatStartAutomatic", kRemoteManual,
                  {ids::kRemoteMode},
                  testing::callsIn("SetMode(1) SetModeES(2) SetModeGC(2) SetModeWB(2)")},
        // Camera mode keeps Automatic on screen but remembers the choice for Remote.
        PanelCase{"CameraModeRemembersTheChoiceForRemote", {},
                  {ids::kWbManual, ids::kGainAuto, ids::kRemoteMode, ids::kRemoteMode},
                  testing::callsIn("SetModeGC(2) SetMode(1) SetModeES(2) SetModeGC(2) "
                                   "SetModeWB(4) SetMode(1) SetModeES(2) SetModeGC(2) "
                                   "SetModeWB(4)"),
                  {{ids::kWbAuto}, {ids::kWbManual}, {}, {ids::kRedSlider}}},
        PanelCase{"RemoteManualUnlocksItsSlider", {{"Mode", 1}}, {ids::kGainManual},
                  {"SetModeGC(4)"}, {{ids::kGainManual}, {ids::kGainAuto}, {ids::kGainSlider}}},
        PanelCase{"RemoteOtherModeLocksItAgain", {{"Mode", 1}},
                  {ids::kGainManual, ids::kGain0dB}, {"SetModeGC(4)", "SetModeGC(0)"},
                  {{ids::kGain0dB}, {ids::kGainManual}, {}, {ids::kGainSlider}}},
        // Then a manual choice is no longer sent.
        PanelCase{"CameraFallsBackToAutomaticAndVariable", kRemoteManual + Values{{"AEMode", 0}},
                  {ids::kCameraMode, ids::kGainManual}, {"SetMode(0)"},
                  {{ids::kGainAuto, ids::kShutterAuto, ids::kWbAuto, ids::kVariable},
                   {ids::kGainManual, ids::kShutterManual, ids::kWbManual, ids::kAllArea,
                    ids::kRemoteMode},
                   {ids::kAeAreaSlider},
                   kManualSliders},
                  {}, {}, kCross},
        PanelCase{"AeModesInCameraModeFallBackToVariable", {},
                  {ids::kSelect, ids::kSpot, ids::kVariable}, {"SetAEMode(2)"},
                  {{ids::kVariable}, {ids::kSelect, ids::kSpot}}},
        PanelCase{"AllAreaInRemote", {{"Mode", 1}}, {ids::kAllArea}, {"SetAEMode(0)"},
                  {{}, {}, {}, {ids::kAeAreaSlider}}, {}, {}, "#####/#####/#####/#####/#####/"},
        PanelCase{"SpotInRemote", {{"Mode", 1}}, {ids::kSpot}, {"SetAEMode(1)"}, {}, {}, {},
                  "...../...../..#../...../...../"},
        PanelCase{"SelectInRemoteReadsTheRows", {{"Mode", 1}}, {ids::kSelect},
                  testing::callsIn("SetAEMode(3) ReadArea(1) ReadArea(2) ReadArea(3) "
                                   "ReadArea(4) ReadArea(5)"),
                  {{}, {}, {}, {ids::kAeAreaSlider}}, {}, {}, "#####/#...#/...../...../...../"},
        // Outside Select a box turns back; the row goes out as it is, zero
        // before any area read.
        PanelCase{"GridBoxOutsideSelectTurnsBack", {}, {ids::kGridBoxes[2][2]},
                  {"SelectArea(0,3)"}, {}, {}, {}, kCross},
        // Camera shows the cross but leaves Select's editing on.
        PanelCase{"GridEditsRowMasksInSelect", {{"Mode", 1}},
                  {ids::kSelect, ids::kGridBoxes[0][0], ids::kGridBoxes[0][0], ids::kCameraMode,
                   ids::kGridBoxes[0][4]},
                  testing::callsIn("SetAEMode(3) ReadArea(1) ReadArea(2) ReadArea(3) ReadArea(4) "
                                   "ReadArea(5) SelectArea(15,1) SelectArea(31,1) SetMode(0) "
                                   "SelectArea(30,1)"),
                  {}, {}, {}, "....#/..#../.###./..#../...../"},
        PanelCase{"ImageModeSaveAndReset", {}, {ids::kNegative, ids::kSave, ids::kReset},
                  testing::callsIn("SetNegPos(1) SetUsflg(1) SetUsflg(0) SetUsflg(255)") +
                      kStartupReads,
                  {{ids::kNegative}, {ids::kPositive}}}),
    testing::caseName);
// clang-format on

// Told once per run of failed actions; the watch adds no camera call.
TEST_F(ClassicPanel, ACameraThatStopsAnsweringIsToldOncePerRunOfFailures) {
  open();
  panel_support::CameraLinkWatch watch(*library, QStringLiteral("COM2"));
  const panel_support::WatchedUserActions watched(watch);
  const struct {
    int lastResult;
    bool told;
    // clang-format off
  } actions[] = {{0, false}, {1, true}, {1, false}, {2, false}, {0, false}, {2, true}};
  // clang-format on
  Calls saves;
  for (const auto& action : actions) {
    camera.setValue("LastResult", action.lastResult);
    const std::size_t before = prompts.messages.size();
    click(ids::kSave);
    saves.insert(saves.end(), {"SetUsflg(1)", "SetUsflg(0)"});
    EXPECT_EQ(prompts.messages.size() - before, action.told ? 1u : 0u) << action.lastResult;
  }
  EXPECT_EQ(calls(), saves);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text,
            "Die Kamera an COM2 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.");
  EXPECT_EQ(prompts.messages[0].caption, "Ocel Error!");
}

// Tab lands on every slider that can be used, in the template's order. Enter
// presses the focused Savemenu button as a click would and the panel stays
// open; on a slider it is OK. A focused slider's arrows move it.
TEST_F(ClassicPanel, TabReachesTheEnabledSlidersEnterPressesTheFocusedButton) {
  camera.setValue("Shape", 235);
  open();
  panel->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
  std::vector<QWidget*> sliders, enabledSliders;
  for (int tabs = 0; tabs < 200 && !panel->control(ids::kGridBoxes[4][4])->hasFocus(); ++tabs) {
    testing::key(Qt::Key_Tab);  // on to the last control
    if (qobject_cast<ScrollBarControl*>(QApplication::focusWidget()))
      sliders.push_back(QApplication::focusWidget());
  }
  for (int id :
       {ids::kSharpnessSlider, ids::kAtwSpeedSlider, ids::kAeSpeedSlider, ids::kYGammaSlider,
        ids::kCGammaSlider, ids::kPhaseSlider, ids::kAeAreaSlider, ids::kAeReferenceSlider})
    enabledSliders.push_back(panel->control(id));
  EXPECT_EQ(sliders, enabledSliders);
  for (int id : {ids::kSave, ids::kConfigSave, ids::kSharpnessSlider}) {
    panel->control(id)->setFocus(Qt::TabFocusReason);
    testing::key(id == ids::kSharpnessSlider ? Qt::Key_Right : Qt::Key_Return);
    EXPECT_TRUE(panel->isVisible()) << id;
  }
  EXPECT_EQ(prompts.fileRequests.size(), 1u) << "Configsave's, answered cancelled";
  testing::key(Qt::Key_Return);
  EXPECT_EQ(calls(), testing::callsIn("SetUsflg(1) SetUsflg(0) SetShape(236) SetShape(236)"));
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(ClassicPanel, SaveWritesTheKeysInOrderFromReadBacks) {
  open({{"MGC", 6.5}, {"MES", 29986}, {"NegPos", 1}, {"Shape", 99}});
  camera.setArea(3, 4);
  camera.setArea(5, -1);
  clickAnswering(ids::kConfigSave, testing::fileIn(folder, "a.cfg"));
  EXPECT_EQ(testing::fileText(folder.path("a.cfg")),
            "[Ocel400 Configuration]\r\nNegPosMode=1\r\nMode=0\r\nModeGC=2\r\nMGC*2=13\r\n"
            "ModeES=2\r\nMES=29986\r\nModeWB=2\r\nMWBR=0\r\nMWBB=0\r\nShape=99\r\nAgesRes=0\r\n"
            "CGamma=0\r\nAEArea=0\r\nATWRes=0\r\nYGamma=0\r\nPhase=0\r\nAEOff=0\r\nAEMode=2\r\n"
            "Zeile1=31\r\nZeile2=17\r\nZeile3=4\r\nZeile4=0\r\nZeile5=-1\r\n");
  EXPECT_EQ(calls().size(), 23u) << "one read per key, nothing written";
  EXPECT_FALSE(prompts.fileRequests.at(0).askBeforeReplacing);
  EXPECT_TRUE(prompts.messages.empty());
}

// Reported by name; a refused load (here a folder) must not reset the camera.
TEST_F(ClassicPanel, FilesThatCannotBeWrittenOrReadAreReportedByName) {
  open();
  const std::pair<int, QString> cases[] = {
      {ids::kConfigSave, testing::fileIn(folder, "missing/a.cfg")},
      {ids::kConfigLoad, QString::fromStdString(folder.dir())}};
  for (const auto& [button, path] : cases) {
    camera.clearCalls();
    prompts.messages.clear();
    clickAnswering(button, path);
    EXPECT_EQ(prompts.fileRequests.back().mode, button == ids::kConfigSave
                                                    ? FileDialogRequest::Mode::Save
                                                    : FileDialogRequest::Mode::Open);
    ASSERT_EQ(prompts.messages.size(), 1u) << path.toStdString();
    EXPECT_TRUE(prompts.messages[0].text.contains(path));
    EXPECT_EQ(prompts.messages[0].caption, "Ocel Error!");
  }
  EXPECT_EQ(calls(), Calls{}) << "the refused load sends nothing";
}

// The values sent before the start-up routine reads the camera back.
const Calls kDefaultsInSendOrder = testing::callsIn(
    "SetNegPos(0) SetMode(0) SetModeGC(2) SetModeES(2) SetModeWB(2) SetMGC(0) SetMES(0) "
    "SetMWBR(128) SetMWBB(128) SetShape(235) SetAgesRes(32) SetCGamma(0) SetAEArea(64) "
    "SetATWRes(32) SetYGamma(128) SetPhase(128) SetAEOff(118) SetAEMode(2) SelectArea(0,1) "
    "SelectArea(0,2) SelectArea(4,3) SelectArea(0,4) SelectArea(0,5)");

TEST_F(ClassicPanel, LoadSendsTheFilesValuesOrTheDefaultsThenReadsBack) {
  open();
  Calls converted = kDefaultsInSendOrder;
  converted[5] = "SetMGC(6.5)";
  converted[6] = "SetMES(4464)";  // the low 16 bits of 70000
  converted[20] = "SelectArea(31,3)";
  // Keys match in any case; a value that is not a plain number gives the default.
  testing::writeFile(folder.path("odd.cfg"),
                     "[ocel400 configuration]\nmgc*2=13\nMES=70000\nSHAPE=12x\nzeile3=31\n");
  const std::pair<const char*, Calls> cases[] = {{"missing.cfg", kDefaultsInSendOrder},
                                                 {"odd.cfg", converted}};
  for (const auto& [name, sent] : cases) {
    camera.clearCalls();
    clickAnswering(ids::kConfigLoad, testing::fileIn(folder, name));
    EXPECT_EQ(calls(), sent + kStartupReads) << name;
  }
}

}  // namespace
}  // namespace ocel::classic
