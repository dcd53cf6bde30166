// The sheet for model 1 against the recording double: the Settings page and
// the "Zoom and Comm Settings" page, through real clicks.
#include <gtest/gtest.h>

#include <QTest>

#include "gui_support.h"
#include "panel_support/program_status.h"
#include "panel_support/wait_window.h"
#include "platform/scroll_codes.h"
#include "program_panels.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"

namespace ocel::sheet {
namespace {

using namespace res::settings_page;
using testing::Calls;
using testing::callsIn;
using testing::IdList;
using testing::operator+;
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

const IdList kDigitalAgc{kDigAgc6, kDigAgc12, kDigAgc15, kDigAgc18, kDigAgc21, kDigAgc24};
const IdList kPalPair{kShutter50, kShutter120}, kNtscPair{kShutter60, kShutter100};
const IdList kEightFixed{kShutter250,  kShutter500,   kShutter1000,  kShutter2000,
                         kShutter4000, kShutter10000, kShutter20000, kShutter30000};
const IdList kAllFixed = kPalPair + kNtscPair + kEightFixed;
const IdList kGainControls = kDigitalAgc + IdList{kManualGainSlider};
const IdList kWbSliders{kRedSlider, kBlueSlider};
const Values kRemoteManual{{"Mode", 1}, {"ModeES", 4}, {"ModeGC", 4}, {"ModeWB", 4}};

TEST_F(SettingsPageTest, StartReadsInOrderAndHandsTheZoomPageItsValues) {
  const char* zoomStems[] = {"Rate0",  "Rate1",  "Rate2", "Rate3",  "Rate4", "Rate5", "RateP",
                             "EZPane", "EZTilt", "DZoom", "AEMode", "RePrt", "ReBps", "AELevel"};
  for (int i = 0; i < 14; ++i) camera.setValue(zoomStems[i], 10 + i);
  open(0, {}, true);
  EXPECT_EQ(calls(), kStartReads);
  const ZoomComm_1& z = zoom;
  const int stored[] = {z.areaRate[0],    z.areaRate[1], z.areaRate[2], z.areaRate[3],
                        z.areaRate[4],    z.areaRate[5], z.peakRate,    z.panCode,
                        z.tiltCode,       z.zoomCode,    z.blcMode,     z.cameraParity,
                        z.cameraBaudCode, z.aeLevel};
  for (int i = 0; i < 14; ++i) EXPECT_EQ(stored[i], 10 + i) << zoomStems[i];
}

// The Settings page's rows also give the video standard (PAL unless told)
// and the camera's GetMode answers, and check the page's mode flags.
struct PageSetUp {
  int flags = -1;  // remoteControl, shutterManual and gainManual, when checked
  int standard = 0;
  std::vector<int> modeReads = {};  // the three GetMode answers, when they differ
};
using PageCase = testing::PanelCase<PageSetUp>;

class SettingsPageCase : public SettingsPageTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(SettingsPageCase, SendsAndShows) {
  const PageCase& c = GetParam();
  for (int answer : c.extra.modeReads) camera.queueAnswer("Mode", answer);
  open(c.extra.standard, c.camera);
  actAndExpect(c);
  if (c.extra.flags >= 0) {
    EXPECT_EQ((std::vector<int>{panel->remoteControl, panel->shutterManual, panel->gainManual}),
              std::vector<int>(3, c.extra.flags));
  }
}

constexpr int kRight = platform::kLineRight, kTrack = platform::kThumbTrack;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Reads, SettingsPageCase,
    ::testing::Values(
        PageCase{"CameraControlLocksWhatManualUnlocks",
                 {{"ModeGC", 4}, {"ModeWB", 4}, {"ModeES", 4}}, {}, {},
                 {{kCamera, kGainManual}, {kRemote}, kDigitalAgc + IdList{kWbManual},
                  kAllFixed + kWbSliders + IdList{kManualGainSlider}}, {}, {}, 0},
        PageCase{"RemoteAllManualPal", kRemoteManual, {}, {},
                 {{}, {}, kPalPair + kEightFixed + kWbSliders + kGainControls, kNtscPair}, {}, {},
                 1},
        PageCase{"RemoteAutomaticLocksTheManualControls", {{"Mode", 1}}, {}, {},
                 {{kRemote}, {kCamera}, {}, kAllFixed + kWbSliders + kGainControls}, {}, {}, 1},
        PageCase{"MixedReadsCheckBoth", {}, {}, {}, {{kCamera, kRemote}}, {}, {}, -1, 0,
                 {0, 1, 0}},
        PageCase{"DigitalGain", {{"MGC", 25.6}}, {}, {}, {},
                 {{kManualGainLabel, "25.6"}, {kManualGainNote, "(dig)"}},
                 {{kManualGainSlider, 49}}},
        PageCase{"TopOfAnalogueGain", {{"MGC", 24.0}}, {}, {}, {},
                 {{kManualGainLabel, "24.0"}, {kManualGainNote, "(al)"}},
                 {{kManualGainSlider, 48}}},
        PageCase{"NtscShutterUnderPal", {{"MES", 100}}, {}, {}, {{}, kAllFixed}},
        PageCase{"Choices",
                 {{"NegPos", 3}, {"DigAgc", 2}, {"ModeWB", 3}, {"ModeES", 1}, {"ModeGC", 3}},
                 {}, {},
                 {{kNegBw, kDigAgc12, kWbAtwLock, kShutterFL},
                  {kPos, kDigAgc15, kWbAuto, kShutterAuto, kGainAuto, kGain0dB}}}),
    testing::caseName);

INSTANTIATE_TEST_SUITE_P(
    Sliders, SettingsPageCase,
    ::testing::Values(
        PageCase{"SharpnessStopsAtTop", {{"Shape", 255}}, {{kSharpnessSlider, kRight}},
                 {"SetShape(255)"}, {}, {{kSharpnessLabel, "255"}}, {{kSharpnessSlider, 255}}},
        PageCase{"GainMaxPushesMinToTop", {{"MaxGain", 240}}, {{kGainMaxSlider, kTrack, 100}},
                 {"SetMinGain(240)", "SetMaxGain(100)"}, {},
                 {{kGainMaxLabel, "100"}, {kGainMinLabel, "240"}}, {{kGainMinSlider, 240}}},
        PageCase{"GainDraggedTo48", {{"MGC", 0}}, {{kManualGainSlider, kTrack, 48}},
                 {"SetMGC(24)"}, {}, {{kManualGainLabel, "24.0"}, {kManualGainNote, "(anl)"}}}),
    testing::caseName);

INSTANTIATE_TEST_SUITE_P(
    Buttons, SettingsPageCase,
    ::testing::Values(
        PageCase{"ImageModes", {}, {kNegBw, kNeg}, {"SetNegPos(3)", "SetNegPos(1)"},
                 {{kNeg}, {kPos, kNegBw, kPosBw}}},
        PageCase{"CameraControlRevertsAndLeavesDigitalAgcAlone", {}, {kWbManual, kGain0dB}, {},
                 {{kWbAuto, kGainAuto}, {kWbManual, kGain0dB}, kDigitalAgc, {kManualGainSlider}}},
        PageCase{"ShutterManualPal", {{"Mode", 1}}, {kShutterManual}, {"SetModeES(4)"},
                 {{}, {}, kPalPair + kEightFixed, kNtscPair}},
        PageCase{"OtherModesLock", kRemoteManual, {kShutterOff, kGain6dB},
                 {"SetModeES(0)", "SetModeGC(1)"},
                 {{kShutterOff, kGain6dB}, {kShutterManual, kGainManual}, {},
                  kAllFixed + kGainControls}},
        PageCase{"FixedShutterReplacesTheReading", kRemoteManual + Values{{"MES", 250}},
                 {kShutter60}, {"SetMES(60)"}, {{kShutter60}, {kShutter250}}, {}, {}, -1, 1},
        PageCase{"DigitalAgc", kRemoteManual, {kDigAgc12}, {"SetDigAgc(2)"},
                 {{kDigAgc12}, {kDigAgc15}}},
        PageCase{"DigitalAgcRefusedUnderCameraControl", {{"DigAgc", 3}}, {kDigAgc6}, {},
                 {{}, kDigitalAgc}},
        PageCase{"CameraLocksEveryMode", kRemoteManual, {kCamera}, {"SetMode(0)"},
                 {{kShutterAuto, kGainAuto, kWbAuto}, {kRemote, kGainManual, kWbAtwLock}, {},
                  kAllFixed + kGainControls + kWbSliders +
                      IdList{kShutterOff, kGainAuto, kWbAtwLock}}},
        PageCase{"CameraThenRemote", {{"Mode", 1}}, {kCamera, kRemote},
                 callsIn("SetMode(0) SetMode(1) SetModeES(2) SetModeGC(2) SetModeWB(2)") +
                     kStartReads,
                 {{kRemote}, {kCamera}, {kShutterOff, kGainAuto, kWbAtwLock}}},
        PageCase{"RemoteSendsTheModesChosenBefore", {},
                 {kShutterManual, kGainAuto, kWbManual, kRemote},
                 callsIn("SetModeGC(2) SetMode(1) SetModeES(4) SetModeGC(2) SetModeWB(4)") +
                     kStartReads},
        PageCase{"SaveUnderRemoteControl", {{"Mode", 1}}, {kSave}, {"SetUsflg(1)"}},
        PageCase{"ResetEndsUnderCameraControl", {{"Mode", 1}}, {kReset},
                 callsIn("SetNegPos(0) SetModeGC(2) SetModeES(2) SetModeWB(2) SetMGC(0) "
                         "SetMWBR(198) SetMWBB(53) SetShape(128) SetAesRes(1) SetAgcRes(1) "
                         "SetCGamma(32) SetATWRes(5) SetYGamma(128) SetPhase(128) SetRate0(255) "
                         "SetRate1(255) SetRate2(255) SetRate3(255) SetRate4(255) SetRate5(255) "
                         "SetRateP(64) SetAELevel(128) SetMaxGain(240) SetMinGain(0) "
                         "SetESMax(255) SetESMin(0) SetRePrt(0) SetEZSWBtn(0) SetEZPane(128) "
                         "SetEZTilt(128) SetDZoom(255) SetAEMode(0) SetDigAgc(3) SetMode(0)") +
                     kStartReads,
                 {{kCamera}, {kRemote}}}),
    testing::caseName);
// clang-format on

TEST_F(SettingsPageTest, SaveAsksBeforeReplacingAndWritesTheKeysInOrderFromReadBacks) {
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
  prompts.fileAnswers = {testing::fileIn(folder, "a.cfg")};
  open(0, {{"MGC", 6.7}, {"MES", 29986}, {"DigAgc", 4}});  // 6.7 dB: kept as 13 half steps
  click(kConfigSave);
  EXPECT_EQ(testing::fileText(folder.path("a.cfg")),
            "[Ocel400 Configuration]\r\nNegPosMode=0\r\nMode=0\r\nModeGC=2\r\nMGC*2=13\r\n"
            "ModeES=2\r\nMES=29986\r\nModeWB=2\r\nMWBR=0\r\nMWBB=0\r\nShape=0\r\nAesRes=0\r\n"
            "AgcRes=0\r\nCGamma=0\r\nATWRes=0\r\nYGamma=0\r\nPhase=0\r\nRate0=0\r\nRate1=0\r\n"
            "Rate2=0\r\nRate3=0\r\nRate4=0\r\nRate5=0\r\nRateP=0\r\nAELevel=0\r\nMaxGain=0\r\n"
            "MinGain=0\r\nESMax=0\r\nESMin=0\r\nRePrt=0\r\nReBps=0\r\nEZSWBtn=0\r\nEZPane=0\r\n"
            "EZTilt=0\r\nDZoom=0\r\nAEMode=0\r\nDigAgc=4\r\n");
  EXPECT_EQ(calls().size(), 36u) << "one read per key, nothing written";
  EXPECT_TRUE(prompts.fileRequests.at(0).askBeforeReplacing);
}

// The file's keys of this page (not AgesRes), defaults for the rest, then reads.
TEST_F(SettingsPageTest, LoadSendsTheFilesKeysAndThisPagesDefaultsThenReadsBack) {
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
  testing::writeFile(folder.path("mixed.cfg"),
                     "[Ocel400 Configuration]\r\nNegPosMode=1\r\nMode=1\r\nModeGC=4\r\nMGC*2=51\r\n"
                     "Shape=30\r\nAgesRes=7\r\nRate0=17\r\nDZoom=9\r\n");
  prompts.fileAnswers = {testing::fileIn(folder, "mixed.cfg")};
  open();
  click(kConfigLoad);
  EXPECT_EQ(calls(), callsIn("SetNegPos(1) SetMode(1) SetModeGC(4) SetModeES(2) SetModeWB(2) "
                             "SetMGC(25.6) SetMES(0) SetMWBR(128) SetMWBB(128) SetShape(30) "
                             "SetAesRes(32) SetAgcRes(32) SetCGamma(0) SetATWRes(32) "
                             "SetYGamma(128) SetPhase(128) SetRate0(17) SetRate1(255) "
                             "SetRate2(255) SetRate3(255) SetRate4(255) SetRate5(255) SetRateP(64) "
                             "SetAELevel(128) SetMaxGain(240) SetMinGain(0) SetESMax(255) "
                             "SetESMin(0) SetRePrt(0) SetReBps(0) SetEZSWBtn(0) SetDZoom(9) "
                             "SetEZPane(128) SetEZTilt(128) SetAEMode(0) SetDigAgc(3)") +
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

namespace ids = res::zoom_page;
using testing::Calls;

const platform::DialogTemplate kSettingsStandIn{142, "Settings", 100, 40, {}};
constexpr int kWeightSliders[] = {ids::kArea1Slider, ids::kArea2Slider, ids::kArea3Slider,
                                  ids::kArea4Slider, ids::kArea5Slider, ids::kArea6Slider,
                                  ids::kPeakSlider};
// Pan, tilt, parity, baud rate, BLC.
const std::vector<std::vector<int>> kGroups{{ids::kPanLeft, ids::kPanCenter, ids::kPanRight},
                                            {ids::kTiltTop, ids::kTiltCenter, ids::kTiltBottom},
                                            {ids::kParityNone, ids::kParityOdd, ids::kParityEven},
                                            {ids::kBaud9600, ids::kBaud4800, ids::kBaud2400},
                                            {ids::kBlcOff, ids::kBlcOn}};
const QPoint kTele(310, 100), kWide(354, 100), kLeft(265, 100), kTop(330, 45), kBlank(150, 100);

class ZoomPage : public testing::DoubleTest<ZoomComm_1> {
 protected:
  ZoomPage() {
    panel = std::make_unique<ZoomComm_1>(*library);
    storeFactoryValues();
    camera.setValue("DZoom", 255);
  }
  // What a factory camera at 100 % hands the page through the Settings page.
  void storeFactoryValues() {
    for (auto& rate : panel->areaRate) rate = 255;
    panel->peakRate = 64;
    panel->blcMode = panel->cameraParity = 0;
    panel->panCode = panel->tiltCode = 128;
    panel->zoomCode = 255;
    panel->cameraBaudCode = 96;
    panel->aeLevel = 128;
  }
  // Shows the sheet with the page as its second tab; the log starts then.
  void open() {
    sheet.AddPage(&settings);
    sheet.AddPage(panel.get());
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    sheet.setActivePage(1);
    camera.clearCalls();
  }
  void switchTabsAndBack() {
    sheet.setActivePage(0);
    sheet.setActivePage(1);
  }
  void press(QPoint at) { testing::pressAt(panel.get(), at); }
  void release(QPoint at) { testing::releaseAt(panel.get(), at); }
  void moveTo(QPoint at) { testing::moveTo(panel.get(), at); }
  // "#" checked, "." not, each group ending in "/".
  std::string radioChecks() const { return checkMarks(kGroups); }
  // Pan left and right, tilt top and bottom: "####/" all enabled.
  std::string sideButtonsEnabled() const {
    return testing::marks({{ids::kPanLeft, ids::kPanRight, ids::kTiltTop, ids::kTiltBottom}},
                          [this](int id) { return enabled(id); });
  }

  platform::PropertySheet sheet{QStringLiteral("Ocel Serie")};
  platform::PropertyPage settings{kSettingsStandIn};
};

TEST_F(ZoomPage, ActivationShowsTheStoredValuesAndCallsNothing) {
  const struct {
    void (*store)(ZoomComm_1&);
    std::vector<std::pair<int, const char*>> labels;
    const char* checks;
    const char* sides;
    // clang-format off
  } cases[] = {
      // Without zoom both centres are checked; the side buttons keep theirs.
      {[](ZoomComm_1& p) { p.panCode = 0; p.tiltCode = 255; }, {}, "##./.##/#../#../#./", "..../"},
      {[](ZoomComm_1& p) { p.panCode = 300; p.tiltCode = 255; p.cameraParity = 3;
                           p.cameraBaudCode = 192; p.blcMode = 2; p.zoomCode = 65; },
       {{ids::kZoomLabel, "396 %"}}, ".../..#/.../.../../", "####/"},
      {[](ZoomComm_1& p) { p.areaRate[2] = 128; p.peakRate = 0; p.panCode = 100; p.cameraParity = 2;
                           p.cameraBaudCode = 24; p.blcMode = 1; p.zoomCode = 191;
                           p.tiltCode = 254; },
       {{ids::kArea1Label, "100 %"}, {ids::kArea3Label, "50 %"}, {ids::kPeakLabel, "0 %"},
        {ids::kLevelLabel, "128"}, {ids::kZoomLabel, "200 %"}}, ".#./.#./..#/..#/.#/", "####/"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.checks);
    storeFactoryValues();
    c.store(*panel);
    if (!panel->isWindowCreated()) open();
    else switchTabsAndBack();
    for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
    EXPECT_EQ(radioChecks(), c.checks);
    EXPECT_EQ(sideButtonsEnabled(), c.sides);
    EXPECT_EQ(panel->scrollPos(ids::kZoomSlider), text(ids::kZoomLabel).split(' ')[0].toInt());
    EXPECT_EQ(calls(), Calls{});
    // Every check off for the next case: activation must set them all.
    for (const auto& group : kGroups)
      for (int id : group) panel->setCheck(id, 0);
  }
}

// Option buttons uncheck their siblings, sliders show their value; all send and store it.
TEST_F(ZoomPage, OptionButtonsAndSlidersSendStoreAndShow) {
  using namespace platform;  // the scroll codes
  const struct {
    testing::Action action;
    const char* call;
    const char* checks;  // nullptr: a slider, which shows label
    int label = 0;       // the slider's
    const char* shown = nullptr;
    const char* sides = "####/";
    // clang-format off
  } cases[] = {
      {{ids::kPanRight}, "SetEZPane(255)", "..#/.#./#../#../#./"},
      {{ids::kPanLeft}, "SetEZPane(0)", "#../.#./#../#../#./"},
      {{ids::kTiltTop}, "SetEZTilt(0)", "#../#../#../#../#./"},
      {{ids::kParityEven}, "SetRePrt(2)", "#../#../..#/#../#./"},
      {{ids::kBaud4800}, "SetReBps(48)", "#../#../..#/.#./#./"},
      {{ids::kArea4Slider, kThumbTrack, 10}, "SetRate3(26)", nullptr, ids::kArea4Label, "10 %"},
      {{ids::kPeakSlider, kThumbTrack, 1}, "SetRateP(3)", nullptr, ids::kPeakLabel, "1 %"},
      {{ids::kLevelSlider, kThumbTrack, 200}, "SetAELevel(200)", nullptr, ids::kLevelLabel, "200"},
      {{ids::kZoomSlider, kThumbTrack, 101}, "SetDZoom(254)", nullptr, ids::kZoomLabel, "101 %"},
      // At 100 % pan and tilt are centred on the page; nothing is sent for them.
      {{ids::kZoomSlider, kLineLeft}, "SetDZoom(255)", ".#./.#./..#/.#./#./", ids::kZoomLabel,
       "100 %", "..../"},
      {{ids::kBlcOn}, "SetAEMode(1)", ".#./.#./..#/.#./.#/", 0, nullptr, "..../"},
  };
  // clang-format on
  panel->zoomCode = 191;
  open();
  for (const auto& c : cases) {
    camera.clearCalls();
    testing::act(*panel, {c.action});
    EXPECT_EQ(calls(), Calls{c.call});
    if (c.checks) {
      EXPECT_EQ(radioChecks(), c.checks) << c.call;
    }
    if (c.shown) {
      EXPECT_EQ(text(c.label), c.shown);
      EXPECT_EQ(panel->scrollPos(c.action.id), text(c.label).split(' ')[0].toInt()) << c.call;
    }
    EXPECT_EQ(sideButtonsEnabled(), c.sides) << c.call;
  }
  const ZoomComm_1& z = *panel;
  EXPECT_EQ((std::vector<int>{z.panCode, z.tiltCode, z.cameraParity, z.cameraBaudCode,
                              z.areaRate[3], z.peakRate, z.aeLevel, z.zoomCode}),
            (std::vector<int>{0, 0, 2, 48, 26, 3, 200, 255}));
  // BLC On greys the seven weight sliders; an activation by the stored mode.
  for (int slider : kWeightSliders) EXPECT_FALSE(enabled(slider)) << slider;
  EXPECT_TRUE(enabled(ids::kLevelSlider));
  click(ids::kBlcOff);
  for (int slider : kWeightSliders) EXPECT_TRUE(enabled(slider)) << slider;
  EXPECT_EQ(panel->blcMode, 0);
  panel->blcMode = 1;
  switchTabsAndBack();
  EXPECT_EQ(text(ids::kArea4Label), "10 %");
  for (int slider : kWeightSliders) EXPECT_FALSE(enabled(slider)) << slider;
}

TEST_F(ZoomPage, PressSetsTheButtonsBitsAndEveryReleaseClearsThemAndReadsTheZoom) {
  const struct {
    QPoint at;
    int cameraButtons;      // the camera's register before the press
    const char* pressSets;  // nullptr: the press hits no button
    const char* releaseSets;
    int zoomReached;
    const char* shown;
    const char* sides;
    // clang-format off
  } cases[] = {
      // Bits 6 and 7 are not the keypad's: sent along, kept on release.
      {kWide, 192, "SetEZSWBtn(194)", "SetEZSWBtn(192)", 65, "397 %", "####/"},
      {QPoint(290, 100), 0, nullptr, "SetEZSWBtn(0)", 255, "100 %", "..../"},  // Tele's border
  };
  // clang-format on
  panel->panCode = 255;
  panel->zoomCode = 191;
  open();
  for (const auto& c : cases) {
    camera.setValue("EZSWBtn", c.cameraButtons);
    camera.clearCalls();
    press(c.at);
    moveTo(c.at + QPoint(3, -3));  // moving inside the held button sends nothing
    const Calls pressed = c.pressSets ? Calls{"GetEZSWBtn()", c.pressSets} : Calls{};
    EXPECT_EQ(calls(), pressed) << c.releaseSets;
    camera.setValue("DZoom", c.zoomReached);
    release(c.at);
    EXPECT_EQ(calls(), (pressed + Calls{"GetEZSWBtn()", c.releaseSets, "GetDZoom()"}));
    EXPECT_EQ(text(ids::kZoomLabel), c.shown);
    EXPECT_EQ(panel->scrollPos(ids::kZoomSlider), text(ids::kZoomLabel).split(' ')[0].toInt());
    EXPECT_EQ(sideButtonsEnabled(), c.sides);
    EXPECT_EQ(panel->pressedButtons, 0);
  }
  EXPECT_EQ(radioChecks(), ".##/.#./#../#../#./") << "at 100 %: centres checked, Right kept";
  // The keypad leaves the stored zoom alone: the next activation shows it.
  switchTabsAndBack();
  EXPECT_EQ(text(ids::kZoomLabel), "200 %");
}

// A held button is let go at once when the pointer leaves it (the zoom read
// only for Tele and Wide) and when the sheet closes from the keyboard: the
// camera must not go on zooming after the program has ended.
TEST_F(ZoomPage, LeavingAHeldButtonOrClosingTheSheetLetsGoOfIt) {
  const struct {
    QPoint held;
    QPoint border;  // still the held button
    bool readsZoom;
    // clang-format off
  } cases[] = {{kLeft, {285, 136}, false}, {kTop, {374, 29}, false}, {kWide, {334, 68}, true}};
  // clang-format on
  open();
  for (const auto& c : cases) {
    camera.setValue("DZoom", 191);
    press(c.held);
    moveTo(c.border);
    camera.clearCalls();
    moveTo(kBlank);
    Calls cleared{"GetEZSWBtn()", "SetEZSWBtn(0)"};
    if (c.readsZoom) cleared.push_back("GetDZoom()");
    EXPECT_EQ(calls(), cleared) << c.held.x() << "," << c.held.y();
    EXPECT_EQ(text(ids::kZoomLabel), c.readsZoom ? "200 %" : "100 %");
    camera.setValue("DZoom", 255);
    release(kBlank);  // back at 100 % for the next case
  }
  press(kTele);
  camera.clearCalls();
  QTest::keyClick(&sheet, Qt::Key_Escape);
  EXPECT_EQ(calls(), (Calls{"GetEZSWBtn()", "SetEZSWBtn(0)"}));
  EXPECT_EQ(panel->pressedButtons, 0);
}

}  // namespace
}  // namespace ocel::sheet
