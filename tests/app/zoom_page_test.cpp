// The "Zoom and Comm Settings" page in a sheet, against the recording
// double: what it shows from the values the Settings page stores, what its
// sliders, option buttons and keypad send. Mouse events go through the
// sheet's window to the widget under the pointer: over the keypad's
// pictures, that is the page.
#include "sheet/zoom_comm_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "gui_support.h"
#include "platform/scroll_codes.h"
#include "res/zoom_page_ids.h"

namespace ocel::sheet {
namespace {

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
const QPoint kTele(310, 100), kWide(354, 100), kLeft(265, 100), kTop(330, 45),
    kBottomRight(400, 160), kBlank(150, 100);

class ZoomPage : public testing::DoubleTest<ZoomComm_1> {
 protected:
  ZoomPage() {
    panel = std::make_unique<ZoomComm_1>(*library);
    storeFactoryValues();
    camera.setValue("DZoom", 255);
  }
  ~ZoomPage() override { panel.reset(); }  // a page goes before its sheet
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
  ZoomComm_1& page() { return *panel; }
  void press(QPoint at) { testing::pressAt(panel.get(), at); }
  void release(QPoint at) { testing::releaseAt(panel.get(), at); }
  void moveTo(QPoint at) { testing::moveTo(panel.get(), at); }
  // "#" checked, "." not, each group ending in "/": ".#./.#./#../#../#./".
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
  } cases[] = {
      {[](ZoomComm_1&) {}, {{ids::kArea1Label, "100 %"}, {ids::kPeakLabel, "25 %"},
        {ids::kLevelLabel, "128"}, {ids::kZoomLabel, "100 %"}}, ".#./.#./#../#../#./", "..../"},
      {[](ZoomComm_1& p) { p.panCode = 100; p.zoomCode = 64; }, {{ids::kZoomLabel, "398 %"}},
       ".#./.#./#../#../#./", "####/"},
      {[](ZoomComm_1& p) { p.tiltCode = 255; p.zoomCode = 65; }, {{ids::kZoomLabel, "396 %"}},
       ".#./..#/#../#../#./", "####/"},
      // Without zoom both centres are checked; the side buttons keep theirs.
      {[](ZoomComm_1& p) { p.panCode = 0; p.tiltCode = 255; }, {}, "##./.##/#../#../#./", "..../"},
      {[](ZoomComm_1& p) { p.panCode = 300; p.cameraParity = 3; p.cameraBaudCode = 192;
                           p.blcMode = 2; p.zoomCode = 191; },
       {{ids::kZoomLabel, "200 %"}}, ".../.#./.../.../../", "####/"},
      {[](ZoomComm_1& p) { p.areaRate[2] = 128; p.peakRate = 0; p.cameraParity = 2;
                           p.cameraBaudCode = 24; p.blcMode = 1; },
       {{ids::kArea3Label, "50 %"}, {ids::kPeakLabel, "0 %"}}, ".#./.#./..#/..#/.#/", "..../"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.checks);
    storeFactoryValues();
    c.store(page());
    if (!page().isWindowCreated()) open();
    else switchTabsAndBack();
    for (const auto& [label, shown] : c.labels) EXPECT_EQ(text(label), shown) << label;
    EXPECT_EQ(radioChecks(), c.checks);
    EXPECT_EQ(sideButtonsEnabled(), c.sides);
    EXPECT_EQ(page().scrollPos(ids::kZoomSlider), text(ids::kZoomLabel).split(' ')[0].toInt());
    EXPECT_EQ(calls(), Calls{});
    // Every check off for the next case: activation must set them all.
    for (const auto& group : kGroups)
      for (int id : group) page().setCheck(id, 0);
  }
}

TEST_F(ZoomPage, SlidersSendTheirValueAndKeepItForTheNextActivation) {
  using namespace platform;  // the scroll codes
  const struct {
    int slider, code, dragged, label;
    const char* shown;
    const char* call;
    const char* sides = "####/";
  } cases[] = {
      {ids::kArea1Slider, kLineLeft, 0, ids::kArea1Label, "99 %", "SetRate0(252)"},
      {ids::kArea4Slider, kThumbTrack, 10, ids::kArea4Label, "10 %", "SetRate3(26)"},
      {ids::kArea6Slider, kLineRight, 0, ids::kArea6Label, "100 %", "SetRate5(255)"},
      {ids::kPeakSlider, kThumbTrack, 1, ids::kPeakLabel, "1 %", "SetRateP(3)"},
      {ids::kLevelSlider, kThumbTrack, 200, ids::kLevelLabel, "200", "SetAELevel(200)"},
      {ids::kZoomSlider, kThumbTrack, 101, ids::kZoomLabel, "101 %", "SetDZoom(254)"},
      {ids::kZoomSlider, kEndScroll, 0, ids::kZoomLabel, "101 %", "SetDZoom(254)"},
      // At 100 % pan and tilt are centred on the page; nothing is sent for them.
      {ids::kZoomSlider, kLineLeft, 0, ids::kZoomLabel, "100 %", "SetDZoom(255)", "..../"},
  };
  page().zoomCode = 191;
  page().panCode = 0;
  open();
  for (const auto& c : cases) {
    camera.clearCalls();
    scroll(c.slider, c.code, c.dragged);
    EXPECT_EQ(page().scrollPos(c.slider), text(c.label).split(' ')[0].toInt()) << c.call;
    EXPECT_EQ(text(c.label), c.shown);
    EXPECT_EQ(calls(), Calls{c.call});
    EXPECT_EQ(sideButtonsEnabled(), c.sides) << c.call;
  }
  EXPECT_EQ(radioChecks(), ".#./.#./#../#../#./");
  EXPECT_EQ(page().panCode, 0);
  EXPECT_EQ(page().areaRate[3], 26);
  EXPECT_EQ(page().peakRate, 3);
  EXPECT_EQ(page().aeLevel, 200);
  EXPECT_EQ(page().zoomCode, 255);
  switchTabsAndBack();
  EXPECT_EQ(text(ids::kArea4Label), "10 %");
}

TEST_F(ZoomPage, OptionButtonsUncheckTheirSiblingsStoreAndSend) {
  page().zoomCode = 191;
  open();
  const struct {
    int clicked;
    const char* checks;
    const char* call;
  } cases[] = {
      {ids::kPanRight, "..#/.#./#../#../#./", "SetEZPane(255)"},
      {ids::kPanLeft, "#../.#./#../#../#./", "SetEZPane(0)"},
      {ids::kTiltTop, "#../#../#../#../#./", "SetEZTilt(0)"},
      {ids::kParityEven, "#../#../..#/#../#./", "SetRePrt(2)"},
      {ids::kBaud4800, "#../#../..#/.#./#./", "SetReBps(48)"},
      {ids::kBlcOn, "#../#../..#/.#./.#/", "SetAEMode(1)"},
  };
  for (const auto& c : cases) {
    camera.clearCalls();
    click(c.clicked);
    EXPECT_EQ(radioChecks(), c.checks) << c.call;
    EXPECT_EQ(calls(), Calls{c.call});
  }
  EXPECT_EQ(page().panCode, 0);
  EXPECT_EQ(page().tiltCode, 0);
  EXPECT_EQ(page().cameraParity, 2);
  EXPECT_EQ(page().cameraBaudCode, 48);
  // BLC On greys exactly the seven weight sliders, also after a tab switch.
  switchTabsAndBack();
  for (int slider : kWeightSliders) EXPECT_FALSE(enabled(slider)) << slider;
  EXPECT_TRUE(enabled(ids::kLevelSlider));
  click(ids::kBlcOff);
  for (int slider : kWeightSliders) EXPECT_TRUE(enabled(slider)) << slider;
  EXPECT_EQ(page().blcMode, 0);
}

TEST_F(ZoomPage, KeypadPicturesHaveTheirSizesAndLieUnderTheirHitRectangles) {
  open();
  const struct {
    int id;
    QPoint inside;
    QSize size;
  } keys[] = {{ids::kKeyTele, kTele, {42, 71}},      {ids::kKeyWide, kWide, {42, 71}},
              {ids::kKeyLeft, kLeft, {42, 71}},      {ids::kKeyRight, {400, 100}, {42, 71}},
              {ids::kKeyTop, kTop, {86, 36}},        {ids::kKeyBottom, {330, 160}, {86, 36}},
              {ids::kKeyTopLeft, {265, 45}, {42, 36}}, {ids::kKeyTopRight, {400, 45}, {42, 36}},
              {ids::kKeyBottomLeft, {265, 160}, {42, 36}},
              {ids::kKeyBottomRight, kBottomRight, {42, 36}}};
  for (const auto& key : keys) {
    const auto* picture = qobject_cast<QLabel*>(page().control(key.id));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), key.size) << key.id;
    EXPECT_TRUE(QRect(picture->geometry().topLeft(), key.size).contains(key.inside)) << key.id;
    EXPECT_EQ(page().childAt(key.inside), nullptr) << "the page itself takes the mouse " << key.id;
  }
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
  } cases[] = {
      {kTele, 0, "SetEZSWBtn(1)", "SetEZSWBtn(0)", 65, "397 %", "####/"},
      {kBottomRight, 0, "SetEZSWBtn(40)", "SetEZSWBtn(0)", 191, "200 %", "####/"},
      // Bits 6 and 7 are not the keypad's: sent along, kept on release.
      {kWide, 192, "SetEZSWBtn(194)", "SetEZSWBtn(192)", 191, "200 %", "####/"},
      {QPoint(290, 100), 0, nullptr, "SetEZSWBtn(0)", 255, "100 %", "..../"},  // Tele's border
  };
  page().panCode = 255;
  page().zoomCode = 191;
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
    EXPECT_EQ(calls(), testing::joined(pressed, {"GetEZSWBtn()", c.releaseSets, "GetDZoom()"}));
    EXPECT_EQ(text(ids::kZoomLabel), c.shown);
    EXPECT_EQ(page().scrollPos(ids::kZoomSlider), text(ids::kZoomLabel).split(' ')[0].toInt());
    EXPECT_EQ(sideButtonsEnabled(), c.sides);
    EXPECT_EQ(page().pressedButtons, 0);
  }
  EXPECT_EQ(radioChecks(), ".##/.#./#../#../#./") << "at 100 %: centres checked, Right kept";
  // The keypad leaves the stored zoom alone: the next activation shows it.
  switchTabsAndBack();
  EXPECT_EQ(text(ids::kZoomLabel), "200 %");
}

TEST_F(ZoomPage, LeavingAHeldButtonClearsAtOnceAndReadsTheZoomOnlyForTeleAndWide) {
  const struct {
    QPoint held;
    QPoint border;  // still the held button
    bool readsZoom;
  } cases[] = {{kLeft, {285, 136}, false}, {kTop, {374, 29}, false}, {kWide, {334, 68}, true}};
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
    moveTo(c.held);  // coming back holds nothing again
    camera.clearCalls();
    camera.setValue("DZoom", 255);
    release(c.held);
    EXPECT_EQ(calls(), (Calls{"GetEZSWBtn()", "SetEZSWBtn(0)", "GetDZoom()"}));
  }
}

// The sheet closed from the keyboard while a button is held lets it go: the
// camera must not go on zooming after the program has ended.
TEST_F(ZoomPage, ClosingTheSheetLetsGoOfAHeldButton) {
  open();
  press(kTele);
  camera.clearCalls();
  QTest::keyClick(&sheet, Qt::Key_Escape);
  EXPECT_EQ(calls(), (Calls{"GetEZSWBtn()", "SetEZSWBtn(0)"}));
  EXPECT_EQ(page().pressedButtons, 0);
}

}  // namespace
}  // namespace ocel::sheet
