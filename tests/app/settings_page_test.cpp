// The Settings page against the recording double: what its start reads and
// shows, what its sliders, buttons and configuration files send, through
// real clicks; and a library that lacks an export.
#include <gtest/gtest.h>

#include <QTest>

#include "gui_support.h"
#include "panel_support/program_status.h"
#include "panel_support/wait_window.h"
#include "program_panels.h"
#include "platform/scroll_codes.h"
#include "res/settings_page_ids.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"

namespace ocel::sheet {
namespace {

using namespace res::settings_page;
using testing::Calls;
using testing::callsIn;
using testing::IdList;
using testing::joined;
using testing::Shown;
using testing::Values;

// The start sequence's 37 reads.
const Calls kStartReads = callsIn(
    "GetModeGC() GetModeES() GetModeWB() GetNegPos() GetMES() GetDigAgc() GetMode() GetMode() "
    "GetPhase() GetAesRes() GetAgcRes() GetMaxGain() GetMinGain() GetESMin() GetESMax() "
    "GetATWRes() GetCGamma() GetYGamma() GetMWBR() GetMWBB() GetShape() GetMGC() GetMode() "
    "GetRate0() GetRate1() GetRate2() GetRate3() GetRate4() GetRate5() GetRateP() GetEZPane() "
    "GetEZTilt() GetDZoom() GetAEMode() GetRePrt() GetReBps() GetAELevel()");

class SettingsPageTest : public testing::DoubleTest<EingabeBool_1> {
 protected:
  // A camera under camera control with automatic modes.
  SettingsPageTest() { setValues({{"ModeGC", 2}, {"ModeES", 2}, {"ModeWB", 2}}); }

  // Opens the page on the camera with these values; the log starts after it.
  void open(int videoStandard = 0, const Values& values = {}, bool keepStartCalls = false) {
    setValues(values);
    panel = std::make_unique<EingabeBool_1>(*library, videoStandard, zoom, waitWindow);
    panel->CreateWindowOnce();
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    if (!keepStartCalls) camera.clearCalls();
  }

  panel_support::WaitWindow waitWindow;
  ZoomComm_1 zoom{*library};
};

template <class T>
std::vector<T> operator+(std::vector<T> a, const std::vector<T>& b) {
  return joined(std::move(a), b);
}
const IdList kDigitalAgc{kDigAgc6, kDigAgc12, kDigAgc15, kDigAgc18, kDigAgc21, kDigAgc24};
const IdList kPalPair{kShutter50, kShutter120}, kNtscPair{kShutter60, kShutter100};
const IdList kEightFixed{kShutter250,  kShutter500,   kShutter1000,  kShutter2000,
                         kShutter4000, kShutter10000, kShutter20000, kShutter30000};
const IdList kAllFixed = kPalPair + kNtscPair + kEightFixed;
const IdList kGainControls = kDigitalAgc + IdList{kManualGainSlider};
const IdList kWbSliders{kRedSlider, kBlueSlider};
const Values kRemoteManual{{"Mode", 1}, {"ModeES", 4}, {"ModeGC", 4}, {"ModeWB", 4}};

template <class Case>
class PageCases : public SettingsPageTest, public ::testing::WithParamInterface<Case> {};

TEST_F(SettingsPageTest, StartReadsInOrderAndHandsTheZoomPageItsValues) {
  const char* zoomStems[] = {"Rate0",  "Rate1",  "Rate2", "Rate3",  "Rate4", "Rate5", "RateP",
                             "EZPane", "EZTilt", "DZoom", "AEMode", "RePrt", "ReBps", "AELevel"};
  for (int i = 0; i < 14; ++i) camera.setValue(zoomStems[i], 10 + i);
  open(0, {}, true);
  EXPECT_EQ(calls(), kStartReads);
  const ZoomComm_1& z = zoom;
  const int stored[] = {z.areaRate[0], z.areaRate[1], z.areaRate[2],  z.areaRate[3], z.areaRate[4],
                        z.areaRate[5], z.peakRate,    z.panCode,      z.tiltCode,    z.zoomCode,
                        z.blcMode,     z.cameraParity, z.cameraBaudCode, z.aeLevel};
  for (int i = 0; i < 14; ++i) EXPECT_EQ(stored[i], 10 + i) << zoomStems[i];
}

struct StartCase {
  const char* name;
  Values camera;
  std::vector<int> modeReads;  // the three GetMode answers, when they differ
  int standard;
  Shown shown;
  std::vector<std::pair<int, const char*>> labels = {};
  std::vector<std::pair<int, int>> positions = {};
  int flags = 0;  // remoteControl, shutterManual and gainManual
};

using SettingsPageStart = PageCases<StartCase>;

TEST_P(SettingsPageStart, ShowsTheCamerasValues) {
  const StartCase& c = GetParam();
  for (int answer : c.modeReads) camera.queueAnswer("Mode", answer);
  open(c.standard, c.camera);
  testing::expectShown(*panel, c.shown);
  for (const auto& [label, text] : c.labels) EXPECT_EQ(this->text(label), text) << label;
  for (const auto& [slider, at] : c.positions) EXPECT_EQ(panel->scrollPos(slider), at) << slider;
  EXPECT_EQ((std::vector<int>{panel->remoteControl, panel->shutterManual, panel->gainManual}),
            std::vector<int>(3, c.flags));
}

INSTANTIATE_TEST_SUITE_P(
    Reads, SettingsPageStart,
    ::testing::Values(
        StartCase{"CameraControlLocksWhatManualUnlocks",
                  {{"ModeGC", 4}, {"ModeWB", 4}, {"ModeES", 4}}, {}, 0,
                  {{kCamera, kGainManual}, {kRemote}, kDigitalAgc + IdList{kWbManual},
                   kAllFixed + kWbSliders + IdList{kManualGainSlider}}},
        StartCase{"RemoteGainManual", {{"Mode", 1}, {"ModeGC", 4}}, {}, 0,
                  {{kRemote}, {kCamera}, kGainControls, kAllFixed + kWbSliders}, {}, {}, 1},
        StartCase{"RemoteAllManualPal", kRemoteManual, {}, 0,
                  {{}, {}, kPalPair + kEightFixed + kWbSliders + kGainControls, kNtscPair}, {}, {},
                  1},
        StartCase{"RemoteAutomaticGainLocksDigitalAgc", {{"Mode", 1}}, {}, 0,
                  {{}, {}, {}, kDigitalAgc}, {}, {}, 1},
        StartCase{"MixedReadsCheckBoth", {}, {0, 1, 0}, 0, {{kCamera, kRemote}}},
        StartCase{"DigitalGain", {{"MGC", 25.6}}, {}, 0, {},
                  {{kManualGainLabel, "25.6"}, {kManualGainNote, "(dig)"}},
                  {{kManualGainSlider, 49}}},
        StartCase{"TopOfAnalogueGain", {{"MGC", 24.0}}, {}, 0, {},
                  {{kManualGainLabel, "24.0"}, {kManualGainNote, "(al)"}},
                  {{kManualGainSlider, 48}}},
        StartCase{"ValuesOutsideTheRanges", {{"AesRes", 0}, {"ESMax", 200}}, {}, 0, {},
                  {{kAesSpeedLabel, "0"}, {kShutterMaxLabel, "200"}},
                  {{kAesSpeedSlider, 1}, {kShutterMaxSlider, 155}}},
        StartCase{"NtscShutterUnderPal", {{"MES", 100}}, {}, 0, {{}, kAllFixed}},
        StartCase{"Choices",
                  {{"NegPos", 3}, {"DigAgc", 2}, {"ModeWB", 3}, {"ModeES", 1}, {"ModeGC", 3}},
                  {}, 0,
                  {{kNegBw, kDigAgc12, kWbAtwLock, kShutterFL},
                   {kPos, kDigAgc15, kWbAuto, kShutterAuto, kGainAuto, kGain0dB}}}),
    testing::caseName);


struct SliderCase {
  const char* name;
  const char* stem;  // the camera value the slider starts from
  double start;
  int slider, code, dragged;
  std::vector<std::pair<int, const char*>> labels;
  Calls calls;
  std::vector<std::pair<int, int>> positions = {};
};

using SettingsPageSlider = PageCases<SliderCase>;

TEST_P(SettingsPageSlider, MovesLabelsAndSends) {
  const SliderCase& c = GetParam();
  open(0, {{c.stem, c.start}});
  scroll(c.slider, c.code, c.dragged);
  for (const auto& [label, text] : c.labels) EXPECT_EQ(this->text(label), text) << label;
  for (const auto& [slider, at] : c.positions) EXPECT_EQ(panel->scrollPos(slider), at) << slider;
  EXPECT_EQ(calls(), c.calls);
}

constexpr int kRight = platform::kLineRight, kPageRight = platform::kPageRight,
              kTrack = platform::kThumbTrack;

INSTANTIATE_TEST_SUITE_P(
    Codes, SettingsPageSlider,
    ::testing::Values(
        SliderCase{"SharpnessStopsAtTop", "Shape", 255, kSharpnessSlider, kRight, 0,
                   {{kSharpnessLabel, "255"}}, {"SetShape(255)"}, {{kSharpnessSlider, 255}}},
        SliderCase{"PageClickResends", "Phase", 128, kPhaseSlider, kPageRight, 0,
                   {{kPhaseLabel, "128"}}, {"SetPhase(128)"}},
        SliderCase{"GainMaxPushesMinToTop", "MaxGain", 240, kGainMaxSlider, kTrack, 100,
                   {{kGainMaxLabel, "100"}, {kGainMinLabel, "240"}},
                   {"SetMinGain(240)", "SetMaxGain(100)"}, {{kGainMinSlider, 240}}},
        SliderCase{"GainMinPushesMaxToZero", "MinGain", 0, kGainMinSlider, kTrack, 30,
                   {{kGainMinLabel, "30"}, {kGainMaxLabel, "0"}},
                   {"SetMaxGain(0)", "SetMinGain(30)"}, {{kGainMaxSlider, 0}}},
        SliderCase{"ShutterMinPushesMaxToZero", "ESMin", 0, kShutterMinSlider, kTrack, 30,
                   {{kShutterMinLabel, "30"}, {kShutterMaxLabel, "0"}},
                   {"SetESMax(0)", "SetESMin(30)"}, {{kShutterMaxSlider, 0}}},
        SliderCase{"ShutterMaxAtItsTopPushesMin", "ESMax", 155, kShutterMaxSlider, kRight, 0,
                   {{kShutterMaxLabel, "155"}, {kShutterMinLabel, "255"}},
                   {"SetESMin(255)", "SetESMax(155)"}, {{kShutterMinSlider, 255}}},
        SliderCase{"GainIntoDigital", "MGC", 24.0, kManualGainSlider, kRight, 0,
                   {{kManualGainLabel, "25.6"}, {kManualGainNote, "(dig)"}}, {"SetMGC(25.6)"}},
        SliderCase{"GainDraggedTo48", "MGC", 0, kManualGainSlider, kTrack, 48,
                   {{kManualGainLabel, "24.0"}, {kManualGainNote, "(anl)"}}, {"SetMGC(24)"}}),
    testing::caseName);


struct ClickCase {
  const char* name;
  Values camera;
  int standard;
  IdList clicks;
  Calls calls;  // and, when readsBack, the start's reads after them
  Shown shown = {};
  bool readsBack = false;
};

using SettingsPageClick = PageCases<ClickCase>;

TEST_P(SettingsPageClick, SendsGatesAndReverts) {
  const ClickCase& c = GetParam();
  open(c.standard, c.camera);
  for (int id : c.clicks) click(id);
  EXPECT_EQ(calls(), c.readsBack ? c.calls + kStartReads : c.calls);
  testing::expectShown(*panel, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SettingsPageClick,
    ::testing::Values(
        ClickCase{"ImageModes", {}, 0, {kNegBw, kNeg}, {"SetNegPos(3)", "SetNegPos(1)"},
                  {{kNeg}, {kPos, kNegBw, kPosBw}}},
        ClickCase{"CameraControlRevertsManual", {}, 0, {kWbManual}, {}, {{kWbAuto}, {kWbManual}}},
        ClickCase{"CameraControlRevertsAndLeavesDigitalAgcAlone", {}, 0, {kGain0dB}, {},
                  {{kGainAuto}, {kGain0dB}, kDigitalAgc, {kManualGainSlider}}},
        ClickCase{"ShutterManualPal", {{"Mode", 1}}, 0, {kShutterManual}, {"SetModeES(4)"},
                  {{}, {}, kPalPair + kEightFixed, kNtscPair}},
        ClickCase{"ShutterOffLocks", kRemoteManual, 0, {kShutterOff}, {"SetModeES(0)"},
                  {{kShutterOff}, {kShutterManual}, {}, kAllFixed}},
        ClickCase{"Gain6dBLocks", kRemoteManual, 0, {kGain6dB}, {"SetModeGC(1)"},
                  {{kGain6dB}, {kGainManual}, {}, kGainControls}},
        ClickCase{"FixedShutterReplacesTheReading", kRemoteManual + Values{{"MES", 250}}, 1,
                  {kShutter60}, {"SetMES(60)"}, {{kShutter60}, {kShutter250}}},
        ClickCase{"DigitalAgc", kRemoteManual, 0, {kDigAgc12}, {"SetDigAgc(2)"},
                  {{kDigAgc12}, {kDigAgc15}}},
        ClickCase{"DigitalAgcRefusedUnderCameraControl", {{"DigAgc", 3}}, 0, {kDigAgc6}, {},
                  {{}, kDigitalAgc}},
        ClickCase{"CameraLocksEveryMode", kRemoteManual, 0, {kCamera}, {"SetMode(0)"},
                  {{kShutterAuto, kGainAuto, kWbAuto}, {kRemote, kGainManual, kWbAtwLock}, {},
                   kAllFixed + kGainControls + kWbSliders +
                       IdList{kShutterOff, kGainAuto, kWbAtwLock}}},
        ClickCase{"CameraThenRemote", {{"Mode", 1}}, 0, {kCamera, kRemote},
                  {"SetMode(0)", "SetMode(1)", "SetModeES(2)", "SetModeGC(2)", "SetModeWB(2)"},
                  {{kRemote}, {kCamera}, {kShutterOff, kGainAuto, kWbAtwLock}}, true},
        ClickCase{"RemoteSendsTheModesChosenBefore", {}, 0,
                  {kShutterManual, kGainAuto, kWbManual, kRemote},
                  {"SetModeGC(2)", "SetMode(1)", "SetModeES(4)", "SetModeGC(2)", "SetModeWB(4)"},
                  {}, true},
        ClickCase{"SaveUnderRemoteControl", {{"Mode", 1}}, 0, {kSave}, {"SetUsflg(1)"}},
        ClickCase{"ResetEndsUnderCameraControl", {{"Mode", 1}}, 0, {kReset},
                  callsIn("SetNegPos(0) SetModeGC(2) SetModeES(2) SetModeWB(2) SetMGC(0) "
                          "SetMWBR(198) SetMWBB(53) SetShape(128) SetAesRes(1) SetAgcRes(1) "
                          "SetCGamma(32) SetATWRes(5) SetYGamma(128) SetPhase(128) SetRate0(255) "
                          "SetRate1(255) SetRate2(255) SetRate3(255) SetRate4(255) SetRate5(255) "
                          "SetRateP(64) SetAELevel(128) SetMaxGain(240) SetMinGain(0) "
                          "SetESMax(255) SetESMin(0) SetRePrt(0) SetEZSWBtn(0) SetEZPane(128) "
                          "SetEZTilt(128) SetDZoom(255) SetAEMode(0) SetDigAgc(3) SetMode(0)"),
                  {{kCamera}, {kRemote}}, true}),
    testing::caseName);


TEST_F(SettingsPageTest, SaveAsksBeforeReplacingAndWritesTheKeysInOrderFromReadBacks) {
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
  prompts.fileAnswers = {folder.file("a.cfg")};
  open(0, {{"MGC", 6.7}, {"MES", 29986}, {"DigAgc", 4}});  // 6.7 dB: kept as 13 half steps
  click(kConfigSave);
  EXPECT_EQ(folder.read("a.cfg"),
            "[Ocel400 Configuration]\r\nNegPosMode=0\r\nMode=0\r\nModeGC=2\r\nMGC*2=13\r\n"
            "ModeES=2\r\nMES=29986\r\nModeWB=2\r\nMWBR=0\r\nMWBB=0\r\nShape=0\r\nAesRes=0\r\n"
            "AgcRes=0\r\nCGamma=0\r\nATWRes=0\r\nYGamma=0\r\nPhase=0\r\nRate0=0\r\nRate1=0\r\n"
            "Rate2=0\r\nRate3=0\r\nRate4=0\r\nRate5=0\r\nRateP=0\r\nAELevel=0\r\nMaxGain=0\r\n"
            "MinGain=0\r\nESMax=0\r\nESMin=0\r\nRePrt=0\r\nReBps=0\r\nEZSWBtn=0\r\nEZPane=0\r\n"
            "EZTilt=0\r\nDZoom=0\r\nAEMode=0\r\nDigAgc=4\r\n");
  EXPECT_EQ(calls().size(), 36u) << "one read per key, nothing written";
  EXPECT_TRUE(prompts.fileRequests.at(0).askBeforeReplacing);
}

// A file sets this page's keys it holds (not the classic panel's AgesRes)
// and the defaults for the rest, then the page reads the camera back.
TEST_F(SettingsPageTest, LoadSendsTheFilesKeysAndThisPagesDefaultsThenReadsBack) {
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
  folder.write("mixed.cfg",
               "[Ocel400 Configuration]\r\nNegPosMode=1\r\nMode=1\r\nModeGC=4\r\nMGC*2=51\r\n"
               "Shape=30\r\nAgesRes=7\r\nRate0=17\r\nDZoom=9\r\n");
  prompts.fileAnswers = {folder.file("mixed.cfg")};
  open();
  click(kConfigLoad);
  EXPECT_EQ(calls(), callsIn("SetNegPos(1) SetMode(1) SetModeGC(4) SetModeES(2) SetModeWB(2) "
                             "SetMGC(25.6) SetMES(0) SetMWBR(128) SetMWBB(128) SetShape(30) "
                             "SetAesRes(32) SetAgcRes(32) SetCGamma(0) SetATWRes(32) SetYGamma(128) "
                             "SetPhase(128) SetRate0(17) SetRate1(255) SetRate2(255) SetRate3(255) "
                             "SetRate4(255) SetRate5(255) SetRateP(64) SetAELevel(128) "
                             "SetMaxGain(240) SetMinGain(0) SetESMax(255) SetESMin(0) SetRePrt(0) "
                             "SetReBps(0) SetEZSWBtn(0) SetDZoom(9) SetEZPane(128) SetEZTilt(128) "
                             "SetAEMode(0) SetDigAgc(3)") +
                         kStartReads);
}

TEST(SettingsSheet, MissingExportIsReportedAndTheSheetNeverRuns) {
  auto library = testing::loadLibrary(OCEL400_DOUBLE_NO_GETSHAPE_PATH);
  testing::ScriptedPrompts prompts;
  panel_support::WaitWindow waitWindow;
  ProgramPanels().runSettingsSheet({*library, 0, waitWindow});  // a sheet that ran would hang
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.messages[0].text.endsWith("GetShape."));
  EXPECT_TRUE(panel_support::programFailed());
  panel_support::resetProgramStatus();
}

}  // namespace
}  // namespace ocel::sheet
