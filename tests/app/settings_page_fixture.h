// The Settings page shown on its own against the recording double, for the
// page's tests: what it reads, shows and sends.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "gui_support.h"
#include "panel_support/wait_window.h"
#include "platform/controls.h"
#include "res/settings_page_ids.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"

namespace ocel::sheet {

namespace ids = res::settings_page;
using Calls = std::vector<std::string>;

// The start sequence's 37 reads.
inline const Calls kStartReads{
    "GetModeGC()", "GetModeES()",  "GetModeWB()", "GetNegPos()",  "GetMES()",    "GetDigAgc()",
    "GetMode()",   "GetMode()",    "GetPhase()",  "GetAesRes()",  "GetAgcRes()", "GetMaxGain()",
    "GetMinGain()", "GetESMin()",  "GetESMax()",  "GetATWRes()",  "GetCGamma()", "GetYGamma()",
    "GetMWBR()",   "GetMWBB()",    "GetShape()",  "GetMGC()",     "GetMode()",   "GetRate0()",
    "GetRate1()",  "GetRate2()",   "GetRate3()",  "GetRate4()",   "GetRate5()",  "GetRateP()",
    "GetEZPane()", "GetEZTilt()",  "GetDZoom()",  "GetAEMode()",  "GetRePrt()",  "GetReBps()",
    "GetAELevel()"};

inline std::unique_ptr<platform::LoadedLibrary> loadDouble() {
  std::string reason;
  return platform::LoadedLibrary::load(OCEL400_DOUBLE_PATH, reason);
}

class SettingsPageTest : public ::testing::Test {
 protected:
  // A camera under camera control with automatic modes.
  SettingsPageTest() {
    for (const char* mode : {"ModeGC", "ModeES", "ModeWB"}) camera.setValue(mode, 2);
  }

  // Opens the page on what the camera holds now; the log starts after it.
  void open(int videoStandard = 0, bool keepStartCalls = false) {
    page_ = std::make_unique<EingabeBool_1>(*library_, videoStandard, zoom_, waitWindow_);
    page_->CreateWindowOnce();
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    if (!keepStartCalls) camera.clearCalls();
  }
  EingabeBool_1& page() { return *page_; }

  void click(int id) { QTest::mouseClick(page_->control(id), Qt::LeftButton); }
  void scroll(int id, int code, int position = 0) {
    emit qobject_cast<platform::ScrollBarControl*>(page_->control(id))->scrolled(code, position);
  }
  Calls calls() const { return camera.calls(); }
  QString text(int id) const { return page_->controlText(id); }
  bool checked(int id) const { return page_->checkState(id) != 0; }
  bool enabled(int id) const { return page_->isControlEnabled(id); }

  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  std::unique_ptr<platform::LoadedLibrary> library_ = loadDouble();
  panel_support::WaitWindow waitWindow_;
  ZoomComm_1 zoom_{*library_};
  std::unique_ptr<EingabeBool_1> page_;
};

}  // namespace ocel::sheet
