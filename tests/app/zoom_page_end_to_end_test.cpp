// The zoom page against the real library and a simulated model 1 camera:
// the keypad zooms the camera while Tele is held, the slider shows where it
// got to, a pan button lands in the camera, and a changed camera baud rate
// loses the line for the calls that follow. The mouse goes through the
// sheet's window.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>

#include "Ocel400.h"
#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "platform/loaded_library.h"
#include "res/zoom_page_ids.h"
#include "sheet/zoom_comm_page.h"
#include "sheet/zoom_conversions.h"

namespace ocel::sheet {
namespace {

namespace ids = res::zoom_page;

// Model 1's registers.
constexpr int kDZoom = 17, kEZPane = 23, kEZSWBtn = 33, kReBps = 125;

TEST(ZoomPageEndToEnd, HoldingTeleZoomsTheCameraAndThePageShowsWhereItGot) {
  ocelsim::PtyCamera camera{ocelsim::Options{}};  // model 1, paced at 9600 baud
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  auto library = testing::loadLibrary("Ocel400.dll");
  auto entry = [&library](const char* name) { return library->resolve(name); };
  ASSERT_EQ(reinterpret_cast<decltype(&PortInitEx)>(entry("PortInitEx"))(1, 1, 0, 9600, 0),
            OCEL400_DONE);

  // The factory camera's zoom, pan, tilt and speed, as the Settings page
  // stores them. The pages go before the sheet they stand in.
  platform::PropertySheet sheet(QStringLiteral("Ocel Serie"));
  ZoomComm_1 page(*library);
  page.panCode = page.tiltCode = 128;
  page.zoomCode = 255;
  page.cameraBaudCode = 96;
  static const platform::DialogTemplate kSettingsStandIn{142, "Settings", 100, 40, {}};
  platform::PropertyPage settings(kSettingsStandIn);
  sheet.AddPage(&settings);
  sheet.AddPage(&page);
  sheet.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
  sheet.setActivePage(1);

  const QPoint tele(310, 100);
  testing::pressAt(&page, tele);
  EXPECT_EQ(camera.reg(kEZSWBtn), 1);
  QTest::qWait(1000);
  testing::releaseAt(&page, tele);
  EXPECT_EQ(camera.reg(kEZSWBtn), 0);
  const int reached = camera.reg(kDZoom);
  EXPECT_LT(reached, 255 - 32) << "about 64 codes a second";
  const int percent = roundedZoomPercent(reached);
  EXPECT_EQ(page.scrollPos(ids::kZoomSlider), percent);
  EXPECT_EQ(page.controlText(ids::kZoomLabel), QStringLiteral("%1 %").arg(percent));
  EXPECT_TRUE(page.isControlEnabled(ids::kPanLeft));

  testing::click(page, ids::kPanLeft);
  EXPECT_EQ(camera.reg(kEZPane), 0);

  // The camera takes its new speed after acknowledging it; the program keeps
  // its own, so the next call goes unanswered and fails after its attempts.
  testing::click(page, ids::kBaud4800);
  EXPECT_EQ(camera.reg(kReBps), 48);
  EXPECT_EQ(camera.cameraBaud(), 4800);
  testing::click(page, ids::kPanRight);
  EXPECT_EQ(camera.reg(kEZPane), 0);
  EXPECT_EQ(reinterpret_cast<decltype(&LastResult)>(entry("LastResult"))(),
            OCEL400_NOT_ACKNOWLEDGED);
  EXPECT_EQ(page.panCode, 255) << "the page keeps what the user chose";
}

}  // namespace
}  // namespace ocel::sheet
