// The dialog layer through real Qt events, the property sheet's pages, the
// real Qt prompts behind the seam, and the templates' ids and texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <memory>
#include <set>
#include <span>

#include "gui_support.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/property_sheet.h"
#include "platform/standard_dialog_texts.h"
#include "platform/user_prompts.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"

namespace ocel::platform {
namespace {

constexpr int kBar = 10;

const DialogTemplate& testTemplate() {
  static const DialogTemplate dialog{
      900,
      "test",
      200,
      80,
      {
          {kBar, ControlKind::HorizontalScrollBar, "", 10, 10, 120, 11},
      }};
  return dialog;
}

using Notification = std::pair<int, int>;  // code, position

// Arrows step by one, a drag takes its position; other codes keep the thumb.
class ScrollRecorder : public Dialog {
 public:
  ScrollRecorder() : Dialog(testTemplate()) {}
  std::vector<Notification> seen;

 protected:
  bool OnInitDialog() override {
    setScrollRange(kBar, 0, 100);
    setScrollPage(kBar, 1);
    setScrollPos(kBar, 50);
    return true;
  }
  void OnHScroll(int code, int position, int id) override {
    ASSERT_EQ(id, kBar);
    seen.emplace_back(code, position);
    const int current = scrollPos(kBar);
    if (code == 0 || code == 1) setScrollPos(kBar, current + 2 * code - 1);
    if (code == 5) setScrollPos(kBar, position);
  }
};

class DialogLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.CreateModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    bar = dialog.findChild<ScrollBarControl*>();
    ASSERT_NE(bar, nullptr);
  }

  // A point along the bar: its arrows at the ends, the thumb (at 50) in the middle.
  QPoint along(double fraction) const {
    return {static_cast<int>(bar->width() * fraction), bar->height() / 2};
  }
  void drag(QPoint from, QPoint to) {
    testing::pressAt(bar, from);
    testing::moveTo(bar, (from + to) / 2);
    testing::moveTo(bar, to);
    testing::releaseAt(bar, to);
  }

  ScrollRecorder dialog;
  ScrollBarControl* bar = nullptr;
};

// A click gives the bar the focus; each click or key gives its code, then
// end of scroll, and the thumb moves only as the handler moves it.
TEST_F(DialogLayer, ClicksAndKeysGiveTheirCodeThenEndOfScroll) {
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  const struct {
    double clickedAt;
    Qt::Key key;  // 0: a click
    int code, step;
    // clang-format off
  } cases[] = {{0.98, Qt::Key(0), 1, 1},    {0.02, Qt::Key(0), 0, -1},
               {0.75, Qt::Key(0), 3, 0},    {0.25, Qt::Key(0), 2, 0},
               {0, Qt::Key_Left, 0, -1},    {0, Qt::Key_Right, 1, 1},
               {0, Qt::Key_Up, 0, -1},      {0, Qt::Key_Down, 1, 1},
               {0, Qt::Key_PageUp, 2, 0},   {0, Qt::Key_PageDown, 3, 0},
               {0, Qt::Key_Home, 6, 0},     {0, Qt::Key_End, 7, 0}};
  // clang-format on
  for (const auto& c : cases) {
    const int before = bar->value();
    dialog.seen.clear();
    if (c.key == 0) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, along(c.clickedAt));
    } else {
      ASSERT_EQ(QApplication::focusWidget(), bar);
      testing::key(c.key);
    }
    EXPECT_EQ(dialog.seen, (std::vector<Notification>{{c.code, before}, {8, before + c.step}}))
        << c.code << " by key " << c.key;
    EXPECT_EQ(bar->value(), before + c.step);
  }
}

TEST_F(DialogLayer, DragTracksEveryPositionThenReleaseAndEnd) {
  const QPoint thumb = along(0.5);
  drag(thumb, thumb + QPoint(20, 0));
  ASSERT_EQ(dialog.seen.size(), 4u);
  EXPECT_EQ(dialog.seen[0].first, 5);
  EXPECT_EQ(dialog.seen[1].first, 5);
  EXPECT_GT(dialog.seen[1].second, dialog.seen[0].second);
  EXPECT_GT(dialog.seen[0].second, 50);
  EXPECT_EQ(dialog.seen[2], (Notification{4, dialog.seen[1].second}));
  EXPECT_EQ(dialog.seen[3].first, 8);
  EXPECT_EQ(bar->value(), dialog.seen[1].second);
}

// An id the template lacks is logged, and in a debug build the assertion stops the panel.
TEST_F(DialogLayer, AnIdOutsideTheTemplateFailsLoudly) {
#ifdef QT_NO_DEBUG
  static QString logged;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg) logged += text;
      });
  dialog.setCheck(4711, 1);
  qInstallMessageHandler(previous);
  EXPECT_EQ(logged, QStringLiteral("dialog 900 has no control 4711"));
#else
  EXPECT_DEATH(dialog.setCheck(4711, 1), "not in the dialog's template");
#endif
}

const DialogTemplate kFirstPage{901,
                                "Settings",
                                120,
                                60,
                                {{7, ControlKind::Label, "one", 5, 5, 40, 8},
                                 {9, ControlKind::OptionButton, "Remote", 5, 20, 40, 10}}};
const DialogTemplate kSecondPage{
    902, "Zoom and Comm Settings", 120, 60, {{8, ControlKind::Label, "two", 5, 5, 40, 8}}};

class CountingPage : public PropertyPage {
 public:
  using PropertyPage::PropertyPage;
  int initialisations = 0, activations = 0;

 protected:
  bool OnInitDialog() override {
    ++initialisations;
    return true;
  }
  bool OnSetActive() override {
    ++activations;
    return true;
  }
};

TEST(PropertySheetTeardown, PagesDestroyedBeforeTheSheetActivateNothing) {
  PropertySheet sheet{QStringLiteral("Ocel Serie")};
  auto first = std::make_unique<CountingPage>(kFirstPage);
  auto second = std::make_unique<CountingPage>(kSecondPage);
  sheet.AddPage(first.get());
  sheet.AddPage(second.get());
  sheet.setActivePage(1);
  first.reset();  // the tabs move on to the second page: no new activation
  EXPECT_EQ(second->activations, 1);
  second.reset();
}

// A page is created when first selected, once, and activated at every
// selection. Enter and Esc on a page's control end the sheet as its OK and
// Abbrechen do; the page itself never closes.
TEST(PropertySheet, PagesAreCreatedOnFirstSelectionAndEnterAndEscReachTheSheet) {
  PropertySheet sheet{QStringLiteral("Ocel Serie")};
  CountingPage first{kFirstPage}, second{kSecondPage};
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  for (const auto& [key, result] :
       {std::pair{Qt::Key_Return, kIdOk}, {Qt::Key_Escape, kIdCancel}}) {
    testing::whenModalShows([&, key = key](QWidget*) {
      EXPECT_EQ(second.isWindowCreated(), key == Qt::Key_Escape) << "only in the second run";
      QTabBar* tabs = sheet.findChild<QTabBar*>();
      for (int tab : {1, 0})
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
      first.control(9)->setFocus();
      QTest::keyClick(first.control(9), key);
      if (sheet.isVisible()) sheet.EndDialog(kIdCancel + 1);
    });
    EXPECT_EQ(sheet.DoModal(), result) << key;
    EXPECT_TRUE(first.isVisibleTo(&sheet)) << key;
  }
  EXPECT_EQ(first.initialisations, 1);
  EXPECT_EQ(first.activations, 4);
  EXPECT_EQ(second.initialisations, 1);
  EXPECT_EQ(second.activations, 2);
}

TEST(QtPrompts, FileDialogSpeaksGermanAddsTheSuffixAndAsksOnlyWhenTold) {
  ASSERT_TRUE(useGermanStandardDialogs(*qApp)) << "qt6-translations-l10n is missing";
  testing::TempFolder folder;
  const QString existing = testing::fileIn(folder, "Kamera.cfg");
  testing::writeFile(existing.toStdString(), "");
  using Mode = FileDialogRequest::Mode;
  const struct {
    FileDialogRequest request;
    QDialogButtonBox::StandardButton button;
    const char* text;
    QString typed;
    std::optional<QString> chosen;  // asked, the answer No leaves the dialog to be cancelled
    // clang-format off
  } cases[] = {{{Mode::Open, false}, QDialogButtonBox::Open, "Öffnen", existing, existing},
               {{Mode::Save, false}, QDialogButtonBox::Save, "Speichern", existing.chopped(4),
                existing},
               {{Mode::Save, true}, QDialogButtonBox::Save, "Speichern", existing, std::nullopt}};
  // clang-format on
  for (const auto& c : cases) {
    testing::whenModalShows([&c](QWidget* modal) {
      auto* buttons = modal->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons->button(c.button), nullptr);
      EXPECT_EQ(buttons->button(c.button)->text().remove('&'), c.text);
      EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      bool asked = false;
      QTimer::singleShot(0, dialog, [&asked] {  // runs in the question's loop, if one comes
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          asked = true;
          question->button(QMessageBox::No)->click();
        }
      });
      modal->findChild<QLineEdit*>("fileNameEdit")->setText(c.typed);
      QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
      EXPECT_EQ(asked, c.request.askBeforeReplacing);
      if (dialog->isVisible()) dialog->reject();
    });
    EXPECT_EQ(userPrompts().chooseFile(nullptr, c.request), c.chosen) << c.typed.toStdString();
  }
}

void expectTextsClear(const Dialog& dialog) {
  const auto controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect box = label->geometry();
    const int end = box.left() + QFontMetrics(label->font()).horizontalAdvance(label->text());
    const std::string text =
        std::to_string(dialog.dialogTemplate().id) + " \"" + label->text().toStdString() + '"';
    EXPECT_LE(end, box.right() + 1) << text << " is cut off";
    for (const QWidget* next : controls) {
      const QRect other = next->geometry();
      const int middle = box.center().y();  // on the text's line: spans its middle
      if (other.left() > box.left() && other.left() <= end + 2 && other.top() <= middle &&
          middle <= other.bottom()) {
        EXPECT_LE(end + 2, other.left()) << text << " touches the control at x " << other.left();
      }
    }
  }
}

TEST(TemplateTexts, StayInsideTheirRectanglesAndClearOfTheirNeighbours) {
  namespace ids = res::classic_panel;
  const std::pair<const DialogTemplate*, std::vector<std::pair<int, const char*>>> templates[] = {
      {&res::portDialogTemplate(), {}},
      {&res::waitWindowTemplate(), {}},
      {&res::zoomPageTemplate(), {}},
      {&res::classicPanelTemplate(),
       {{ids::kShutterPrefix, "FL"},
        {ids::kShutterLabel, "30000"},
        {ids::kGainLabel, "18.0"},
        {ids::kBlueLabel, "255"},
        {ids::kInsideLabel, "100"},
        {ids::kOutsideLabel, "100"}}}};
  for (const auto& [dialogTemplate, widestValues] : templates) {
    Dialog dialog(*dialogTemplate);
    dialog.CreateWindowOnce();
    expectTextsClear(dialog);
    for (const auto& [id, value] : widestValues) dialog.setControlText(id, value);
    expectTextsClear(dialog);
  }
}

TEST(ControlIds, EveryNamedIdStandsInItsTemplate) {
  std::vector<int> grid;
  for (const auto& row : res::classic_panel::kGridBoxes) grid.insert(grid.end(), row, row + 5);
  const struct {
    const DialogTemplate& dialog;
    std::span<const int> ids;
    // clang-format off
  } templates[] = {
      {res::portDialogTemplate(), res::port_dialog::kAllIds},
      {res::classicPanelTemplate(), res::classic_panel::kAllIds},
      {res::classicPanelTemplate(), grid},
      {res::settingsPageTemplate(), res::settings_page::kAllIds},
      {res::zoomPageTemplate(), res::zoom_page::kAllIds},
  };
  // clang-format on
  for (const auto& [dialog, ids] : templates) {
    std::multiset<int> inTemplate;
    for (const ControlTemplate& control : dialog.controls) inTemplate.insert(control.id);
    for (int id : ids)
      EXPECT_EQ(inTemplate.count(id), 1u) << "template " << dialog.id << ", id " << id;
  }
}

}  // namespace
}  // namespace ocel::platform
