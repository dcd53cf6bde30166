// Configsave and Configload of the Settings page against the recording
// double, files crossing between the two panels, and the sheet the program
// hands a model 1 camera to.
#include <stdlib.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classic/camera_panel.h"
#include "panel_support/program_status.h"
#include "platform/property_sheet.h"
#include "program_panels.h"
#include "res/classic_panel_ids.h"
#include "settings_page_fixture.h"

namespace ocel::sheet {
namespace {

// The page's defaults, in the order a load sends them.
const Calls kDefaultsInSendOrder{
    "SetNegPos(0)",    "SetMode(0)",     "SetModeGC(2)",    "SetModeES(2)",   "SetModeWB(2)",
    "SetMGC(0)",       "SetMES(0)",      "SetMWBR(128)",    "SetMWBB(128)",   "SetShape(235)",
    "SetAesRes(32)",   "SetAgcRes(32)",  "SetCGamma(0)",    "SetATWRes(32)",  "SetYGamma(128)",
    "SetPhase(128)",   "SetRate0(255)",  "SetRate1(255)",   "SetRate2(255)",  "SetRate3(255)",
    "SetRate4(255)",   "SetRate5(255)",  "SetRateP(64)",    "SetAELevel(128)", "SetMaxGain(240)",
    "SetMinGain(0)",   "SetESMax(255)",  "SetESMin(0)",     "SetRePrt(0)",    "SetReBps(0)",
    "SetEZSWBtn(0)",   "SetDZoom(255)",  "SetEZPane(128)",  "SetEZTilt(128)", "SetAEMode(0)",
    "SetDigAgc(3)"};

class SettingsFiles : public SettingsPageTest {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ocel400-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    open();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  QString file(const char* name) const { return QString::fromStdString((dir_ / name).string()); }
  std::string read(const char* name) const {
    std::stringstream text;
    text << std::ifstream(dir_ / name, std::ios::binary).rdbuf();
    return text.str();
  }
  void clickAnswering(int button, std::optional<QString> path) {
    prompts.fileAnswers.push_back(path);
    click(button);
  }
  // What a load sent before the start sequence that ends it.
  Calls sentBeforeRefresh() const {
    const Calls all = calls();
    const auto refresh = std::find(all.begin(), all.end(), "GetModeGC()");
    EXPECT_EQ(Calls(refresh, all.end()), kStartReads);
    return Calls(all.begin(), refresh);
  }

  std::filesystem::path dir_;
  testing::ScriptedPrompts prompts;
};

TEST_F(SettingsFiles, SaveAsksBeforeReplacingAndWritesTheKeysInOrderFromReadBacks) {
  camera.setValue("MGC", 6.7);  // tenths of a dB: saved as 13 half steps
  camera.setValue("MES", 29986);
  camera.setValue("Rate3", 17);
  camera.setValue("DigAgc", 4);
  clickAnswering(ids::kConfigSave, file("a.cfg"));
  EXPECT_EQ(read("a.cfg"),
            "[Ocel400 Configuration]\r\nNegPosMode=0\r\nMode=0\r\nModeGC=2\r\nMGC*2=13\r\n"
            "ModeES=2\r\nMES=29986\r\nModeWB=2\r\nMWBR=0\r\nMWBB=0\r\nShape=0\r\nAesRes=0\r\n"
            "AgcRes=0\r\nCGamma=0\r\nATWRes=0\r\nYGamma=0\r\nPhase=0\r\nRate0=0\r\nRate1=0\r\n"
            "Rate2=0\r\nRate3=17\r\nRate4=0\r\nRate5=0\r\nRateP=0\r\nAELevel=0\r\nMaxGain=0\r\n"
            "MinGain=0\r\nESMax=0\r\nESMin=0\r\nRePrt=0\r\nReBps=0\r\nEZSWBtn=0\r\nEZPane=0\r\n"
            "EZTilt=0\r\nDZoom=0\r\nAEMode=0\r\nDigAgc=4\r\n");
  const Calls sent = calls();
  ASSERT_EQ(sent.size(), 36u) << "one read per key, nothing written";
  EXPECT_EQ(sent[30], "GetEZSWBtn()");
  EXPECT_TRUE(prompts.fileRequests.at(0).askBeforeReplacing);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SettingsFiles, LoadOfAnEmptyFileSendsTheDefaultsThenReadsBack) {
  std::ofstream(dir_ / "empty.cfg");
  clickAnswering(ids::kConfigLoad, file("empty.cfg"));
  EXPECT_EQ(sentBeforeRefresh(), kDefaultsInSendOrder);
  EXPECT_EQ(text(ids::kSharpnessLabel), "235");
}

// A file the classic panel saved sets the common keys on this page and this
// page's defaults for the rest; one this page saved sets the classic
// panel's own keys to their defaults.
TEST_F(SettingsFiles, FilesCrossBetweenThePanels) {
  // The fifteen common keys differ from both defaults; AgesRes is the
  // classic panel's own.
  const std::pair<const char*, double> common[] = {
      {"NegPos", 1}, {"Mode", 1},   {"ModeGC", 4},  {"MGC", 6.5},    {"ModeES", 4},
      {"MES", 250},  {"ModeWB", 4}, {"MWBR", 11},   {"MWBB", 12},    {"Shape", 30},
      {"CGamma", 16}, {"ATWRes", 13}, {"YGamma", 14}, {"Phase", 15}, {"AEMode", 2}};
  for (const auto& [stem, value] : common) camera.setValue(stem, value);
  camera.setValue("AgesRes", 7);
  classic::CameraPanel_1 classicPanel(*library_, waitWindow_);
  classicPanel.CreateWindowOnce();
  prompts.fileAnswers = {file("classic.cfg"), file("page.cfg")};
  QTest::mouseClick(classicPanel.control(res::classic_panel::kConfigSave), Qt::LeftButton);
  click(ids::kConfigSave);

  camera.clearCalls();
  clickAnswering(ids::kConfigLoad, file("classic.cfg"));
  Calls expected = kDefaultsInSendOrder;
  const Calls fromTheFile{"SetNegPos(1)", "SetMode(1)",    "SetModeGC(4)", "SetModeES(4)",
                          "SetModeWB(4)", "SetMGC(6.5)",   "SetMES(250)",  "SetMWBR(11)",
                          "SetMWBB(12)",  "SetShape(30)"};
  std::copy(fromTheFile.begin(), fromTheFile.end(), expected.begin());
  for (const auto& [index, call] : {std::pair{12, "SetCGamma(16)"}, {13, "SetATWRes(13)"},
                                    {14, "SetYGamma(14)"}, {15, "SetPhase(15)"},
                                    {34, "SetAEMode(2)"}})
    expected[static_cast<std::size_t>(index)] = call;
  EXPECT_EQ(sentBeforeRefresh(), expected);

  camera.clearCalls();
  prompts.fileAnswers = {file("page.cfg")};
  QTest::mouseClick(classicPanel.control(res::classic_panel::kConfigLoad), Qt::LeftButton);
  const Calls sent = calls();
  for (const char* call : {"SetShape(30)", "SetAgesRes(32)", "SetAEArea(64)", "SetAEOff(118)",
                           "SetAEMode(2)", "SelectArea(4,3)"})
    EXPECT_EQ(std::count(sent.begin(), sent.end(), call), 1) << call;
}

TEST_F(SettingsFiles, CancelledDialogsAndAnUnwritablePlace) {
  clickAnswering(ids::kConfigSave, std::nullopt);
  clickAnswering(ids::kConfigLoad, std::nullopt);
  EXPECT_EQ(calls(), Calls{});
  EXPECT_TRUE(std::filesystem::is_empty(dir_));

  clickAnswering(ids::kConfigSave, file("no-such-folder/a.cfg"));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.messages[0].text.contains(file("no-such-folder/a.cfg")));
}

// The real file dialog: No to the question about an existing file writes
// nothing and reads nothing from the camera.
TEST_F(SettingsFiles, OverwriteQuestionAnsweredNoWritesNothing) {
  platform::setUserPrompts(nullptr);
  std::ofstream(dir_ / "kept.cfg") << "kept";
  testing::whenShows<QFileDialog>([&](QFileDialog* dialog) {
    testing::whenShows<QMessageBox>(
        [](QMessageBox* question) { question->button(QMessageBox::No)->click(); });
    dialog->selectFile(file("kept.cfg"));
    // Returns once the question is answered.
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();
  });
  click(ids::kConfigSave);
  EXPECT_EQ(read("kept.cfg"), "kept");
  EXPECT_EQ(calls(), Calls{});
}

// ---- The hand-over --------------------------------------------------------------

TEST_F(SettingsPageTest, ProgramRunsTheSheetSettingsFirstAndEscInAPageEndsIt) {
  camera.setValue("DZoom", 200);
  waitWindow_.showCentred();
  testing::whenShows<platform::PropertySheet>([&](platform::PropertySheet* sheet) {
    EXPECT_EQ(sheet->windowTitle(), "Ocel Serie");
    QTabBar* tabs = sheet->findChild<QTabBar*>();
    EXPECT_EQ(tabs->tabText(0), "Settings");
    EXPECT_EQ(tabs->tabText(1), "Zoom and Comm Settings");
    EXPECT_FALSE(waitWindow_.isVisible());
    auto* page = qobject_cast<EingabeBool_1*>(sheet->page(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->videoStandard, 1);
    EXPECT_EQ(qobject_cast<ZoomComm_1*>(sheet->page(1))->zoomCode, 200);
    EXPECT_FALSE(sheet->page(1)->isWindowCreated());
    QTest::keyClick(page->control(ids::kCamera), Qt::Key_Escape);
    if (sheet->isVisible()) {
      ADD_FAILURE() << "Esc left the sheet open";
      sheet->EndDialog(platform::kIdCancel);
    }
  });
  ProgramPanels().runSettingsSheet({*library_, 1, waitWindow_});
  EXPECT_EQ(calls(), kStartReads) << "one start, nothing sent";
}

TEST(SettingsSheet, MissingExportIsReportedAndTheSheetNeverRuns) {
  std::string reason;
  auto library = platform::LoadedLibrary::load(OCEL400_DOUBLE_NO_GETSHAPE_PATH, reason);
  ASSERT_NE(library, nullptr) << reason;
  testing::ScriptedPrompts prompts;
  panel_support::WaitWindow waitWindow;
  QTimer guard;  // a sheet that runs after all is closed, and fails the test
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the sheet ran";
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  guard.start(3000);
  panel_support::resetProgramStatus();
  ProgramPanels().runSettingsSheet({*library, 0, waitWindow});
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.messages[0].text.endsWith("GetShape."));
  EXPECT_TRUE(panel_support::programFailed());
  panel_support::resetProgramStatus();
}

}  // namespace
}  // namespace ocel::sheet
