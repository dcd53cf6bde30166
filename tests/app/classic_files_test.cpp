// Configsave and Configload of the classic panel against the recording
// double: the file written, the calls sent and their order.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classic/camera_panel.h"
#include "gui_support.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "panel_support/wait_window.h"

namespace ocel::classic {
namespace {

namespace ids = res::classic_panel;
using Calls = std::vector<std::string>;

const Calls kDefaultsInSendOrder{
    "SetNegPos(0)",   "SetMode(0)",      "SetModeGC(2)",    "SetModeES(2)",    "SetModeWB(2)",
    "SetMGC(0)",      "SetMES(0)",       "SetMWBR(128)",    "SetMWBB(128)",    "SetShape(235)",
    "SetAgesRes(32)", "SetCGamma(0)",    "SetAEArea(64)",   "SetATWRes(32)",   "SetYGamma(128)",
    "SetPhase(128)",  "SetAEOff(118)",   "SetAEMode(2)",    "SelectArea(0,1)", "SelectArea(0,2)",
    "SelectArea(4,3)", "SelectArea(0,4)", "SelectArea(0,5)"};

class ClassicFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ocel400-cfg-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::string reason;
    library_ = platform::LoadedLibrary::load(OCEL400_DOUBLE_PATH, reason);
    camera.setValue("AEMode", 2);
    panel_ = std::make_unique<CameraPanel_1>(*library_, waitWindow_);
    panel_->CreateModeless();
    camera.clearCalls();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  QString file(const char* name) const { return QString::fromStdString(dir_ + "/" + name); }
  void write(const char* name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
  }
  std::string read(const char* name) {
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Clicks a file button, the file dialog answering with path (or cancel).
  void clickAnswering(int button, std::optional<QString> path) {
    prompts.fileAnswers.push_back(path);
    QTest::mouseClick(panel_->control(button), Qt::LeftButton);
  }
  // The calls up to the start-up routine that a load runs at its end.
  Calls sentBeforeRefresh() {
    Calls calls = camera.calls();
    const auto refresh = std::find(calls.begin(), calls.end(), "GetModeGC()");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "GetMES()"), 1) << "one refresh";
    return Calls(calls.begin(), refresh);
  }

  std::string dir_;
  testing::ScriptedPrompts prompts;
  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  std::unique_ptr<platform::LoadedLibrary> library_;
  panel_support::WaitWindow waitWindow_;
  std::unique_ptr<CameraPanel_1> panel_;
};

TEST_F(ClassicFiles, SaveWritesTheKeysInOrderFromReadBacks) {
  camera.setValue("MGC", 6.5);
  camera.setValue("MES", 29986);
  camera.setValue("NegPos", 1);
  camera.setArea(3, 4);
  camera.setArea(5, -1);
  clickAnswering(ids::kConfigSave, file("a.cfg"));

  EXPECT_EQ(read("a.cfg"),
            "[Ocel400 Configuration]\r\nNegPosMode=1\r\nMode=0\r\nModeGC=0\r\nMGC*2=13\r\n"
            "ModeES=0\r\nMES=29986\r\nModeWB=0\r\nMWBR=0\r\nMWBB=0\r\nShape=0\r\nAgesRes=0\r\n"
            "CGamma=0\r\nAEArea=0\r\nATWRes=0\r\nYGamma=0\r\nPhase=0\r\nAEOff=0\r\nAEMode=2\r\n"
            "Zeile1=0\r\nZeile2=0\r\nZeile3=4\r\nZeile4=0\r\nZeile5=-1\r\n");
  const Calls calls = camera.calls();
  ASSERT_EQ(calls.size(), 23u);
  EXPECT_EQ(calls.front(), "GetNegPos()");
  EXPECT_EQ(calls[3], "GetMGC()");
  EXPECT_EQ(calls.back(), "ReadArea(5)");
  EXPECT_TRUE(prompts.fileRequests.at(0).mode == platform::FileDialogRequest::Mode::Save);
  EXPECT_FALSE(prompts.fileRequests.at(0).askBeforeReplacing);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ClassicFiles, SavingTwiceKeepsOneLinePerKey) {
  clickAnswering(ids::kConfigSave, file("a.cfg"));
  camera.setValue("Shape", 99);
  clickAnswering(ids::kConfigSave, file("a.cfg"));
  const std::string text = read("a.cfg");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
  EXPECT_NE(text.find("Shape=99\r\n"), std::string::npos);
}

TEST_F(ClassicFiles, UnwritableFileIsReportedByName) {
  clickAnswering(ids::kConfigSave, file("missing-dir/a.cfg"));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.messages[0].text.contains(file("missing-dir/a.cfg")));
  EXPECT_EQ(camera.calls().size(), 23u) << "the save still reads every key";
}

TEST_F(ClassicFiles, LoadOfAnEmptyOrMissingFileSendsTheDefaults) {
  write("empty.cfg", "");
  for (const char* name : {"empty.cfg", "missing.cfg"}) {
    camera.clearCalls();
    clickAnswering(ids::kConfigLoad, file(name));
    EXPECT_EQ(sentBeforeRefresh(), kDefaultsInSendOrder) << name;
  }
}

// A file that exists but cannot be read (here a folder) must not reset the
// camera to the defaults: it is reported and nothing is sent.
TEST_F(ClassicFiles, LoadOfAFileThatCannotBeReadIsReportedAndSendsNothing) {
  clickAnswering(ids::kConfigLoad, QString::fromStdString(dir_));
  EXPECT_EQ(camera.calls(), Calls{});
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.messages[0].text.contains(QString::fromStdString(dir_)));
  EXPECT_EQ(prompts.messages[0].caption, "Ocel Error!");
}

TEST_F(ClassicFiles, LoadConvertsGainAndShutterAndMatchesKeysInAnyCase) {
  write("odd.cfg", "[ocel400 configuration]\nmgc*2=13\nMES=70000\nSHAPE=12x\nzeile3=31\n");
  clickAnswering(ids::kConfigLoad, file("odd.cfg"));
  const Calls sent = sentBeforeRefresh();
  EXPECT_EQ(sent[5], "SetMGC(6.5)");
  EXPECT_EQ(sent[6], "SetMES(4464)");       // the low 16 bits of 70000
  EXPECT_EQ(sent[9], "SetShape(235)");      // not a plain number: the default
  EXPECT_EQ(sent[20], "SelectArea(31,3)");
}

TEST_F(ClassicFiles, LoadOfASettingsPageFileTakesTheCommonKeys) {
  write("sheet.cfg",
        "[Ocel400 Configuration]\r\nNegPosMode=2\r\nShape=40\r\nAesRes=5\r\nAgcRes=6\r\n"
        "AEMode=0\r\nRate0=17\r\nDigAgc=4\r\n");
  clickAnswering(ids::kConfigLoad, file("sheet.cfg"));
  Calls expected = kDefaultsInSendOrder;
  expected[0] = "SetNegPos(2)";
  expected[9] = "SetShape(40)";
  expected[17] = "SetAEMode(0)";
  EXPECT_EQ(sentBeforeRefresh(), expected);
}

TEST_F(ClassicFiles, CancelledDialogsChangeNothing) {
  clickAnswering(ids::kConfigSave, std::nullopt);
  clickAnswering(ids::kConfigLoad, std::nullopt);
  EXPECT_EQ(camera.calls(), Calls{});
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
  EXPECT_TRUE(prompts.fileRequests.at(1).mode == platform::FileDialogRequest::Mode::Open);
}

// Reset and Configload hold the panel for seconds: every camera call they
// make runs under the wait cursor, on a panel painted under it first.
TEST_F(ClassicFiles, ResetAndConfigloadCallUnderTheWaitCursorOnARepaintedPanel) {
  static int paints;  // of the panel, under the wait cursor
  static std::vector<std::pair<bool, int>> atCalls;  // wait cursor shown, paints so far
  static const auto waitCursor = [] {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
  };
  struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      paints += event->type() == QEvent::Paint && waitCursor();
      return false;
    }
  } counter;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(panel_.get()));
  panel_->installEventFilter(&counter);
  panel_support::setLibraryCallHook([] { atCalls.emplace_back(waitCursor(), paints); });
  for (int button : {ids::kReset, ids::kConfigLoad}) {
    paints = 0;
    atCalls.clear();
    clickAnswering(button, file("missing.cfg"));
    ASSERT_FALSE(atCalls.empty());
    EXPECT_TRUE(std::all_of(atCalls.begin(), atCalls.end(),
                            [](auto call) { return call.first && call.second > 0; }))
        << button;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << button;
  }
  panel_support::setLibraryCallHook(nullptr);
}

}  // namespace
}  // namespace ocel::classic
