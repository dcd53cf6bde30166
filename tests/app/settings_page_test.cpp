// The Settings page against the recording double: its start, its sliders
// and its buttons, through real clicks where a person would click.
#include <cmath>

#include "settings_page_fixture.h"
#include "sheet/manual_gain.h"

namespace ocel::sheet {
namespace {

using IdList = std::vector<int>;
const IdList kDigitalAgc{ids::kDigAgc6, ids::kDigAgc12, ids::kDigAgc15,
                         ids::kDigAgc18, ids::kDigAgc21, ids::kDigAgc24};
const IdList kPalPair{ids::kShutter50, ids::kShutter120};
const IdList kNtscPair{ids::kShutter60, ids::kShutter100};
const IdList kEightFixed{ids::kShutter250,  ids::kShutter500,   ids::kShutter1000,
                         ids::kShutter2000, ids::kShutter4000,  ids::kShutter10000,
                         ids::kShutter20000, ids::kShutter30000};

IdList operator+(IdList a, const IdList& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const IdList kAllFixed = kPalPair + kNtscPair + kEightFixed;

// ---- Manual gain scale --------------------------------------------------------

TEST(ManualGain, DigitalStepsReadAsTheirTableAndReportedGainsAsRead) {
  const char* digital[] = {"25.6", "27.2", "28.8", "30.4", "32.0", "33.6", "35.2", "36.8",
                           "38.4", "40.0", "41.6", "43.2", "44.8", "46.4", "48.0"};
  for (int p = 49; p <= kManualGainTop; ++p)
    EXPECT_EQ(manualGainMoveText(manualGainDecibels(p)), digital[p - 49]) << p;
  EXPECT_EQ(manualGainMoveText(manualGainDecibels(7)), "3.5");
  EXPECT_EQ(manualGainMoveText(manualGainDecibels(48)), "24.0");

  const struct {
    double reported;
    const char* text;
    int position;
  } read[] = {{25.6, "25.6", 49}, {24.0, "24.0", 48}, {0.3, "0.3", 0}, {6.7, "6.7", 13},
              {48.0, "48.0", 63}, {0.999, "0.9", 1},  {-1, "0.0", 0}, {NAN, "0.0", 0}};
  for (const auto& r : read) {
    EXPECT_EQ(manualGainReadText(r.reported), r.text) << r.reported;
    EXPECT_EQ(manualGainPosition(r.reported), r.position) << r.reported;
  }
}

// ---- Start --------------------------------------------------------------------

TEST_F(SettingsPageTest, StartReadsInOrderHandsTheZoomPageItsValuesAndHidesTheWaitWindow) {
  const char* zoomStems[] = {"Rate0",  "Rate1", "Rate2", "Rate3",  "Rate4", "Rate5", "RateP",
                             "EZPane", "EZTilt", "DZoom", "AEMode", "RePrt", "ReBps", "AELevel"};
  for (int i = 0; i < 14; ++i) camera.setValue(zoomStems[i], 10 + i);
  waitWindow_.showCentred();
  open(0, true);
  EXPECT_EQ(calls(), kStartReads);
  EXPECT_FALSE(waitWindow_.isVisible());
  const std::vector<int> stored{zoom_.areaRate[0], zoom_.areaRate[1], zoom_.areaRate[2],
                                zoom_.areaRate[3], zoom_.areaRate[4], zoom_.areaRate[5],
                                zoom_.peakRate,    zoom_.panCode,     zoom_.tiltCode,
                                zoom_.zoomCode,    zoom_.blcMode,     zoom_.cameraParity,
                                zoom_.cameraBaudCode, zoom_.aeLevel};
  EXPECT_EQ(stored, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}));
}

struct SourceCase {
  const char* name;
  std::vector<int> modeReads;  // the three GetMode answers
  int modes;                   // gain, shutter and white balance mode
  int standard;
  IdList checked, unchecked, enabled, disabled;
  int flags;  // remoteControl, shutterManual and gainManual
};

class SettingsPageSource : public SettingsPageTest,
                           public ::testing::WithParamInterface<SourceCase> {};

TEST_P(SettingsPageSource, SetsChecksGatesAndFlagsFromTheReads) {
  const SourceCase& c = GetParam();
  for (int answer : c.modeReads) camera.queueAnswer("Mode", answer);
  for (const char* mode : {"ModeGC", "ModeES", "ModeWB"}) camera.setValue(mode, c.modes);
  open(c.standard);
  for (int id : c.checked) EXPECT_TRUE(checked(id)) << id;
  for (int id : c.unchecked) EXPECT_FALSE(checked(id)) << id;
  for (int id : c.enabled) EXPECT_TRUE(enabled(id)) << id;
  for (int id : c.disabled) EXPECT_FALSE(enabled(id)) << id;
  EXPECT_EQ((std::vector<int>{page().remoteControl, page().shutterManual, page().gainManual}),
            std::vector<int>(3, c.flags));
}

const IdList kWbSliders{ids::kRedSlider, ids::kBlueSlider};

INSTANTIATE_TEST_SUITE_P(
    Reads, SettingsPageSource,
    ::testing::Values(
        SourceCase{"CameraControl", {0, 0, 0}, 4, 0, {ids::kCamera, ids::kGainManual},
                   {ids::kRemote}, kDigitalAgc + IdList{ids::kGainManual, ids::kWbManual},
                   kAllFixed + kWbSliders + IdList{ids::kManualGainSlider}, 0},
        SourceCase{"RemoteGainManual", {1, 1, 1}, 2, 0, {ids::kRemote}, {ids::kCamera},
                   {}, kAllFixed + kWbSliders + kDigitalAgc + IdList{ids::kManualGainSlider}, 1},
        SourceCase{"RemoteAllManualPal", {1, 1, 1}, 4, 0, {ids::kRemote}, {},
                   kPalPair + kEightFixed + kWbSliders + kDigitalAgc +
                       IdList{ids::kManualGainSlider},
                   kNtscPair, 1},
        SourceCase{"RemoteAllManualNtsc", {1, 1, 1}, 4, 1, {}, {}, kNtscPair + kEightFixed,
                   kPalPair, 1},
        SourceCase{"MixedReadsCheckBoth", {0, 1, 0}, 4, 0, {ids::kCamera, ids::kRemote}, {}, {},
                   {ids::kManualGainSlider}, 0},
        SourceCase{"MixedReadsCheckNeither", {1, 0, 1}, 4, 0, {}, {ids::kCamera, ids::kRemote},
                   {ids::kManualGainSlider}, {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShownCase {
  const char* name;
  std::vector<std::pair<const char*, double>> camera;
  int standard;
  std::vector<std::pair<int, int>> positions;
  std::vector<std::pair<int, const char*>> labels;
  IdList checked = {}, unchecked = {};
};

class SettingsPageShows : public SettingsPageTest,
                          public ::testing::WithParamInterface<ShownCase> {};

TEST_P(SettingsPageShows, TheCamerasValues) {
  const ShownCase& c = GetParam();
  for (const auto& [stem, value] : c.camera) camera.setValue(stem, value);
  open(c.standard);
  for (const auto& [slider, position] : c.positions) EXPECT_EQ(page().scrollPos(slider), position);
  for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
  for (int id : c.checked) EXPECT_TRUE(checked(id)) << id;
  for (int id : c.unchecked) EXPECT_FALSE(checked(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsPageShows,
    ::testing::Values(
        ShownCase{"GainDigital", {{"MGC", 25.6}}, 0, {{ids::kManualGainSlider, 49}},
                  {{ids::kManualGainLabel, "25.6"}, {ids::kManualGainNote, "(dig)"}}},
        ShownCase{"GainTopOfAnalogue", {{"MGC", 24.0}}, 0, {{ids::kManualGainSlider, 48}},
                  {{ids::kManualGainLabel, "24.0"}, {ids::kManualGainNote, "(al)"}}},
        ShownCase{"GainTenths", {{"MGC", 0.3}}, 0, {{ids::kManualGainSlider, 0}},
                  {{ids::kManualGainLabel, "0.3"}}},
        ShownCase{"SpeedBelowItsRange", {{"AesRes", 0}}, 0, {{ids::kAesSpeedSlider, 1}},
                  {{ids::kAesSpeedLabel, "0"}}},
        ShownCase{"ShutterMaxAboveItsRange", {{"ESMax", 200}}, 0, {{ids::kShutterMaxSlider, 155}},
                  {{ids::kShutterMaxLabel, "200"}}},
        ShownCase{"NtscShutterUnderPal", {{"MES", 100}}, 0, {}, {}, {}, kAllFixed},
        ShownCase{"NtscShutterUnderNtsc", {{"MES", 100}}, 1, {}, {}, {ids::kShutter100}, {}},
        ShownCase{"FixedShutter", {{"MES", 250}}, 0, {}, {}, {ids::kShutter250},
                  kPalPair + IdList{ids::kShutter500}},
        ShownCase{"ModesAndDigitalAgc",
                  {{"NegPos", 3}, {"DigAgc", 2}, {"ModeWB", 3}, {"ModeES", 1}, {"ModeGC", 3}},
                  0, {}, {},
                  {ids::kNegBw, ids::kDigAgc12, ids::kWbAtwLock, ids::kShutterFL},
                  {ids::kPos, ids::kDigAgc15, ids::kWbAuto, ids::kShutterAuto, ids::kGainAuto,
                   ids::kGain0dB}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Sliders ------------------------------------------------------------------

struct SliderCase {
  const char* name;
  const char* stem;  // camera value the slider starts from
  double start;
  int slider, code, dragged;
  std::vector<std::pair<int, int>> positions;
  std::vector<std::pair<int, const char*>> labels;
  Calls calls;
};

class SettingsPageSlider : public SettingsPageTest,
                           public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SettingsPageSlider, MovesLabelsAndSends) {
  const SliderCase& c = GetParam();
  camera.setValue(c.stem, c.start);
  open();
  scroll(c.slider, c.code, c.dragged);
  for (const auto& [slider, position] : c.positions) EXPECT_EQ(page().scrollPos(slider), position);
  for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
  EXPECT_EQ(calls(), c.calls);
}

constexpr int kLeft = 0, kRight = 1, kPageRight = 3, kTrack = 5, kEnd = 8;

INSTANTIATE_TEST_SUITE_P(
    Codes, SettingsPageSlider,
    ::testing::Values(
        SliderCase{"SharpnessStopsAtTop", "Shape", 255, ids::kSharpnessSlider, kRight, 0,
                   {{ids::kSharpnessSlider, 255}}, {{ids::kSharpnessLabel, "255"}},
                   {"SetShape(255)"}},
        SliderCase{"AtwStopsAtBottom", "ATWRes", 1, ids::kAtwSpeedSlider, kLeft, 0,
                   {{ids::kAtwSpeedSlider, 1}}, {{ids::kAtwSpeedLabel, "1"}}, {"SetATWRes(1)"}},
        SliderCase{"PhasePageClickResends", "Phase", 128, ids::kPhaseSlider, kPageRight, 0,
                   {{ids::kPhaseSlider, 128}}, {{ids::kPhaseLabel, "128"}}, {"SetPhase(128)"}},
        SliderCase{"AgcEndOfScrollResends", "AgcRes", 5, ids::kAgcSpeedSlider, kEnd, 0, {},
                   {{ids::kAgcSpeedLabel, "5"}}, {"SetAgcRes(5)"}},
        SliderCase{"RedDragged", "MWBR", 0, ids::kRedSlider, kTrack, 200, {{ids::kRedSlider, 200}},
                   {{ids::kRedLabel, "200"}}, {"SetMWBR(200)"}},
        SliderCase{"BlueLeft", "MWBB", 53, ids::kBlueSlider, kLeft, 0, {},
                   {{ids::kBlueLabel, "52"}}, {"SetMWBB(52)"}},
        SliderCase{"GainMaxPushesMinToTop", "MaxGain", 240, ids::kGainMaxSlider, kTrack, 100,
                   {{ids::kGainMaxSlider, 100}, {ids::kGainMinSlider, 240}},
                   {{ids::kGainMaxLabel, "100"}, {ids::kGainMinLabel, "240"}},
                   {"SetMinGain(240)", "SetMaxGain(100)"}},
        SliderCase{"GainMinPushesMaxToZero", "MinGain", 0, ids::kGainMinSlider, kTrack, 30,
                   {{ids::kGainMaxSlider, 0}},
                   {{ids::kGainMinLabel, "30"}, {ids::kGainMaxLabel, "0"}},
                   {"SetMaxGain(0)", "SetMinGain(30)"}},
        SliderCase{"ShutterMinPushesMaxToZero", "ESMin", 0, ids::kShutterMinSlider, kTrack, 30,
                   {{ids::kShutterMaxSlider, 0}},
                   {{ids::kShutterMinLabel, "30"}, {ids::kShutterMaxLabel, "0"}},
                   {"SetESMax(0)", "SetESMin(30)"}},
        SliderCase{"ShutterMaxAtItsTopPushesMin", "ESMax", 155, ids::kShutterMaxSlider, kRight, 0,
                   {{ids::kShutterMaxSlider, 155}, {ids::kShutterMinSlider, 255}},
                   {{ids::kShutterMaxLabel, "155"}, {ids::kShutterMinLabel, "255"}},
                   {"SetESMin(255)", "SetESMax(155)"}},
        SliderCase{"GainIntoDigital", "MGC", 24.0, ids::kManualGainSlider, kRight, 0,
                   {{ids::kManualGainSlider, 49}},
                   {{ids::kManualGainLabel, "25.6"}, {ids::kManualGainNote, "(dig)"}},
                   {"SetMGC(25.6)"}},
        SliderCase{"GainDraggedTo48", "MGC", 0, ids::kManualGainSlider, kTrack, 48, {},
                   {{ids::kManualGainLabel, "24.0"}, {ids::kManualGainNote, "(anl)"}},
                   {"SetMGC(24)"}},
        SliderCase{"GainDownToZero", "MGC", 0.5, ids::kManualGainSlider, kLeft, 0,
                   {{ids::kManualGainSlider, 0}},
                   {{ids::kManualGainLabel, "0.0"}, {ids::kManualGainNote, "(anl)"}},
                   {"SetMGC(0)"}},
        SliderCase{"GainAtTheTop", "MGC", 48.0, ids::kManualGainSlider, kRight, 0,
                   {{ids::kManualGainSlider, 63}}, {{ids::kManualGainLabel, "48.0"}},
                   {"SetMGC(48)"}},
        SliderCase{"GainHalfStep", "MGC", 0, ids::kManualGainSlider, kTrack, 7, {},
                   {{ids::kManualGainLabel, "3.5"}}, {"SetMGC(3.5)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsPageTest, ArrowClickSendsTheNewValueAndAgainAtTheEndOfScroll) {
  camera.setValue("Shape", 128);
  open();
  QWidget* bar = page().control(ids::kSharpnessSlider);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
  EXPECT_EQ(calls(), (Calls{"SetShape(129)", "SetShape(129)"}));
}

// ---- Buttons ------------------------------------------------------------------

TEST_F(SettingsPageTest, ImageModeUnchecksTheOthersAndSendsItsValue) {
  open();
  const std::pair<int, int> buttons[] = {
      {ids::kNeg, 1}, {ids::kPos, 0}, {ids::kNegBw, 3}, {ids::kPosBw, 2}};
  for (const auto& [id, value] : buttons) {
    camera.clearCalls();
    click(id);
    for (const auto& [other, unused] : buttons) EXPECT_EQ(checked(other), other == id) << other;
    EXPECT_EQ(calls(), Calls{"SetNegPos(" + std::to_string(value) + ")"});
  }
}

struct ModeCase {
  const char* name;
  int control;  // 0 camera, 1 remote
  int standard;
  IdList clicks;
  Calls calls;
  IdList checked, unchecked, enabled, disabled;
  std::uint16_t EingabeBool_1::*last;
  int lastValue;
};

class SettingsPageMode : public SettingsPageTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SettingsPageMode, GatesRevertsAndRemembers) {
  const ModeCase& c = GetParam();
  camera.setValue("Mode", c.control);
  open(c.standard);
  for (int id : c.clicks) click(id);
  EXPECT_EQ(calls(), c.calls);
  for (int id : c.checked) EXPECT_TRUE(checked(id)) << id;
  for (int id : c.unchecked) EXPECT_FALSE(checked(id)) << id;
  for (int id : c.enabled) EXPECT_TRUE(enabled(id)) << id;
  for (int id : c.disabled) EXPECT_FALSE(enabled(id)) << id;
  EXPECT_EQ(page().*c.last, c.lastValue);
}

const IdList kGainControls = kDigitalAgc + IdList{ids::kManualGainSlider};

INSTANTIATE_TEST_SUITE_P(
    Groups, SettingsPageMode,
    ::testing::Values(
        ModeCase{"CameraControlRevertsManual", 0, 0, {ids::kWbManual}, {}, {ids::kWbAuto},
                 {ids::kWbManual}, {}, kWbSliders, &EingabeBool_1::lastWhiteBalanceMode, 4},
        ModeCase{"CameraControlSendsAutomatic", 0, 0, {ids::kWbAuto}, {"SetModeWB(2)"},
                 {ids::kWbAuto}, {}, {}, kWbSliders, &EingabeBool_1::lastWhiteBalanceMode, 2},
        ModeCase{"CameraControlRevertsFL", 0, 0, {ids::kShutterFL}, {}, {ids::kShutterAuto},
                 {ids::kShutterFL}, {}, {}, &EingabeBool_1::lastShutterMode, 1},
        ModeCase{"CameraControlLeavesDigitalAgcAlone", 0, 0, {ids::kGain0dB}, {},
                 {ids::kGainAuto}, {ids::kGain0dB}, kDigitalAgc, {ids::kManualGainSlider},
                 &EingabeBool_1::lastGainMode, 0},
        ModeCase{"ShutterManualPal", 1, 0, {ids::kShutterManual}, {"SetModeES(4)"}, {}, {},
                 kPalPair + kEightFixed, kNtscPair, &EingabeBool_1::lastShutterMode, 4},
        ModeCase{"ShutterManualNtsc", 1, 1, {ids::kShutterManual}, {"SetModeES(4)"}, {}, {},
                 kNtscPair + kEightFixed, kPalPair, &EingabeBool_1::lastShutterMode, 4},
        ModeCase{"ShutterOffLocks", 1, 0, {ids::kShutterManual, ids::kShutterOff},
                 {"SetModeES(4)", "SetModeES(0)"}, {ids::kShutterOff}, {ids::kShutterManual}, {},
                 kAllFixed, &EingabeBool_1::lastShutterMode, 0},
        ModeCase{"GainManualUnlocks", 1, 0, {ids::kGainManual}, {"SetModeGC(4)"}, {}, {},
                 kGainControls, {}, &EingabeBool_1::lastGainMode, 4},
        ModeCase{"Gain6dBLocks", 1, 0, {ids::kGainManual, ids::kGain6dB},
                 {"SetModeGC(4)", "SetModeGC(1)"}, {ids::kGain6dB}, {ids::kGainManual}, {},
                 kGainControls, &EingabeBool_1::lastGainMode, 1},
        ModeCase{"WhiteBalanceManualThenAtwLock", 1, 0, {ids::kWbManual, ids::kWbAtwLock},
                 {"SetModeWB(4)", "SetModeWB(3)"}, {ids::kWbAtwLock}, {ids::kWbManual}, {},
                 kWbSliders, &EingabeBool_1::lastWhiteBalanceMode, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct GateCase {
  const char* name;
  std::vector<std::pair<const char*, double>> camera;
  int standard;
  bool cameraControlAfterStart;  // the page's flag taken back, the buttons left enabled
  int click;
  Calls calls;
  IdList checkedAmongTheirs;  // the only checked ones of the clicked button's set
};

class SettingsPageGate : public SettingsPageTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(SettingsPageGate, SendsOnlyWhenOpenAndLeavesOneChecked) {
  const GateCase& c = GetParam();
  for (const auto& [stem, value] : c.camera) camera.setValue(stem, value);
  open(c.standard);
  if (c.cameraControlAfterStart) page().remoteControl = 0;
  click(c.click);
  EXPECT_EQ(calls(), c.calls);
  const IdList& set = std::count(kDigitalAgc.begin(), kDigitalAgc.end(), c.click) ? kDigitalAgc
                                                                                   : kAllFixed;
  for (int id : set) EXPECT_EQ(checked(id), std::count(c.checkedAmongTheirs.begin(),
                                                       c.checkedAmongTheirs.end(), id) == 1)
      << id;
}

const std::vector<std::pair<const char*, double>> kRemoteManual{
    {"Mode", 1}, {"ModeES", 4}, {"ModeGC", 4}};

INSTANTIATE_TEST_SUITE_P(
    FixedShutterAndDigitalAgc, SettingsPageGate,
    ::testing::Values(
        GateCase{"Shutter250", kRemoteManual, 0, false, ids::kShutter250, {"SetMES(250)"},
                 {ids::kShutter250}},
        GateCase{"ShutterReplacesTheReading", {{"Mode", 1}, {"ModeES", 4}, {"MES", 250}}, 0, false,
                 ids::kShutter50, {"SetMES(50)"}, {ids::kShutter50}},
        GateCase{"Shutter60UnderNtsc", kRemoteManual, 1, false, ids::kShutter60, {"SetMES(60)"},
                 {ids::kShutter60}},
        GateCase{"ShutterUnderCameraControl", kRemoteManual, 0, true, ids::kShutter250, {}, {}},
        GateCase{"DigitalAgc12", kRemoteManual, 0, false, ids::kDigAgc12, {"SetDigAgc(2)"},
                 {ids::kDigAgc12}},
        GateCase{"DigitalAgcOnAFreshPageUnderCameraControl", {{"DigAgc", 3}}, 0, false,
                 ids::kDigAgc6, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsPageTest, CameraLocksEveryModeAndRemoteSendsTheModesThenReadsBack) {
  camera.setValue("Mode", 1);
  camera.setValue("ModeGC", 4);
  open();
  click(ids::kCamera);
  EXPECT_EQ(calls(), Calls{"SetMode(0)"});
  EXPECT_FALSE(checked(ids::kRemote));
  for (const int id : IdList{ids::kShutterAuto, ids::kGainAuto, ids::kWbAuto})
    EXPECT_TRUE(checked(id)) << id;
  for (const int id : IdList{ids::kGainManual, ids::kWbAtwLock}) EXPECT_FALSE(checked(id));
  for (const int id : kAllFixed + kGainControls + kWbSliders +
                          IdList{ids::kShutterOff, ids::kShutterAuto, ids::kGainAuto,
                                 ids::kWbAtwLock, ids::kWbManual})
    EXPECT_FALSE(enabled(id)) << id;
  EXPECT_EQ(page().remoteControl, 0);

  camera.clearCalls();
  click(ids::kRemote);
  Calls expected{"SetMode(1)", "SetModeES(2)", "SetModeGC(2)", "SetModeWB(2)"};
  expected.insert(expected.end(), kStartReads.begin(), kStartReads.end());
  EXPECT_EQ(calls(), expected);
  for (const int id : IdList{ids::kShutterOff, ids::kShutterFL, ids::kGainManual, ids::kWbAtwLock})
    EXPECT_TRUE(enabled(id)) << id;
  EXPECT_TRUE(checked(ids::kRemote));
  EXPECT_EQ(page().remoteControl, 1);
}

TEST_F(SettingsPageTest, RemoteSendsTheModesChosenUnderCameraControl) {
  open();
  for (int id : {ids::kShutterManual, ids::kGainAuto, ids::kWbManual}) click(id);
  camera.clearCalls();
  click(ids::kRemote);
  const Calls sent = calls();
  EXPECT_EQ(Calls(sent.begin(), sent.begin() + 4),
            (Calls{"SetMode(1)", "SetModeES(4)", "SetModeGC(2)", "SetModeWB(4)"}));
  EXPECT_EQ(page().lastShutterMode, 2) << "the start forgets the choices";
}

TEST_F(SettingsPageTest, ResetSends34CallsThenReadsBackUnderCameraControl) {
  camera.setValue("Mode", 1);
  open();
  click(ids::kReset);
  Calls expected{
      "SetNegPos(0)",   "SetModeGC(2)",   "SetModeES(2)",  "SetModeWB(2)",   "SetMGC(0)",
      "SetMWBR(198)",   "SetMWBB(53)",    "SetShape(128)", "SetAesRes(1)",   "SetAgcRes(1)",
      "SetCGamma(32)",  "SetATWRes(5)",   "SetYGamma(128)", "SetPhase(128)", "SetRate0(255)",
      "SetRate1(255)",  "SetRate2(255)",  "SetRate3(255)", "SetRate4(255)",  "SetRate5(255)",
      "SetRateP(64)",   "SetAELevel(128)", "SetMaxGain(240)", "SetMinGain(0)", "SetESMax(255)",
      "SetESMin(0)",    "SetRePrt(0)",    "SetEZSWBtn(0)", "SetEZPane(128)", "SetEZTilt(128)",
      "SetDZoom(255)",  "SetAEMode(0)",   "SetDigAgc(3)",  "SetMode(0)"};
  expected.insert(expected.end(), kStartReads.begin(), kStartReads.end());
  EXPECT_EQ(calls(), expected);
  EXPECT_TRUE(checked(ids::kCamera));
  EXPECT_FALSE(checked(ids::kRemote));
}

TEST_F(SettingsPageTest, SaveSendsOneCallUnderEitherControlSource) {
  for (int control : {0, 1}) {
    camera.setValue("Mode", control);
    open();
    click(ids::kSave);
    EXPECT_EQ(calls(), Calls{"SetUsflg(1)"}) << control;
  }
}

}  // namespace
}  // namespace ocel::sheet
