// The dialog layer driven through real Qt events: the scroll codes a dialog
// receives and the option buttons that each form their own group.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <utility>
#include <vector>

#include "gui_support.h"
#include "platform/controls.h"
#include "platform/dialog.h"

namespace ocel::platform {
namespace {

constexpr int kBar = 10, kOptionA = 20, kOptionB = 21, kCheck = 30, kPicture = 40;

const DialogTemplate& testTemplate() {
  static const DialogTemplate dialog{
      900, "test", 200, 80,
      {
          {kBar, ControlKind::HorizontalScrollBar, "", 10, 10, 120, 11},
          {kOptionA, ControlKind::OptionButton, "A", 10, 30, 40, 10},
          {kOptionB, ControlKind::OptionButton, "B", 60, 30, 40, 10},
          {kCheck, ControlKind::CheckBox, "", 110, 30, 10, 10},
          {kPicture, ControlKind::Label, "keypad", 100, 50, 40, 20},
      }};
  return dialog;
}

using Notification = std::pair<int, int>;  // code, position

// Handles the slider as the panels do: arrows step by one, a drag takes the
// dragged position, every other code keeps the position; or, with
// moveThumb off, never moves it at all.
class ScrollRecorder : public Dialog {
 public:
  ScrollRecorder() : Dialog(testTemplate()) {
    onClick(kCheck, [this] { checkSeenByHandler = checkState(kCheck); });
  }
  std::vector<Notification> seen;
  bool moveThumb = true;
  int checkSeenByHandler = -1;
  std::vector<std::pair<char, QPoint>> mouse;

 protected:
  bool OnInitDialog() override {
    setScrollRange(kBar, 0, 100);
    setScrollPage(kBar, 1);
    setScrollPos(kBar, 50);
    return true;
  }
  void OnLButtonDown(QPoint at) override { mouse.emplace_back('d', at); }
  void OnLButtonUp(QPoint at) override { mouse.emplace_back('u', at); }
  void OnMouseMove(QPoint at) override { mouse.emplace_back('m', at); }
  void OnHScroll(int code, int position, int id) override {
    ASSERT_EQ(id, kBar);
    seen.emplace_back(code, position);
    if (!moveThumb) return;
    const int current = scrollPos(kBar);
    const auto [low, high] = scrollRange(kBar);
    int next = current;
    if (code == 0 && current > low) next = current - 1;
    if (code == 1 && current < high) next = current + 1;
    if (code == 5) next = position;
    setScrollPos(kBar, next);
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

  QPoint centreOf(QStyle::SubControl part) const {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
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

// A click gives the scroll bar the focus; the user's keys then reach it.
// Each click or key gives its code and then end of scroll; the position
// moves only as the handler moves it.
TEST_F(DialogLayer, ClicksAndKeysGiveTheirCodeThenEndOfScroll) {
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  const struct {
    QStyle::SubControl part;
    Qt::Key key;  // 0: a click on part
    int code, step;
  } cases[] = {{QStyle::SC_ScrollBarAddLine, Qt::Key(0), 1, 1},
               {QStyle::SC_ScrollBarSubLine, Qt::Key(0), 0, -1},
               {QStyle::SC_ScrollBarAddPage, Qt::Key(0), 3, 0},
               {QStyle::SC_ScrollBarSubPage, Qt::Key(0), 2, 0},
               {{}, Qt::Key_Left, 0, -1},    {{}, Qt::Key_Right, 1, 1},
               {{}, Qt::Key_Up, 0, -1},      {{}, Qt::Key_Down, 1, 1},
               {{}, Qt::Key_PageUp, 2, 0},   {{}, Qt::Key_PageDown, 3, 0},
               {{}, Qt::Key_Home, 6, 0},     {{}, Qt::Key_End, 7, 0}};
  for (const auto& c : cases) {
    const int before = bar->value();
    dialog.seen.clear();
    if (c.key == 0) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(c.part));
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
  const QPoint thumb = centreOf(QStyle::SC_ScrollBarSlider);
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

TEST_F(DialogLayer, HeldArrowRepeatsItsCodeAndEndsWithOneEndOfScroll) {
  const QPoint arrow = centreOf(QStyle::SC_ScrollBarAddLine);
  testing::pressAt(bar, arrow);
  QTest::qWait(800);  // past the repeat delay
  testing::releaseAt(bar, arrow);
  ASSERT_GE(dialog.seen.size(), 3u);
  for (std::size_t i = 0; i + 1 < dialog.seen.size(); ++i) EXPECT_EQ(dialog.seen[i].first, 1);
  EXPECT_EQ(dialog.seen.back().first, 8);
  EXPECT_EQ(bar->value(), 50 + static_cast<int>(dialog.seen.size()) - 1);
}

TEST_F(DialogLayer, OnlyTheHandlerMovesTheThumb) {
  dialog.moveThumb = false;
  QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarAddLine));
  const QPoint thumb = centreOf(QStyle::SC_ScrollBarSlider);
  drag(thumb, thumb + QPoint(15, 0));
  EXPECT_EQ(bar->value(), 50);
  EXPECT_EQ(dialog.seen.front(), (Notification{1, 50}));
}

TEST_F(DialogLayer, ScrollPositionIsClampedIntoTheRange) {
  dialog.setScrollRange(kBar, 0, 30);
  dialog.setScrollPos(kBar, 40000);
  EXPECT_EQ(dialog.scrollPos(kBar), 30);
  dialog.setScrollPos(kBar, -3);
  EXPECT_EQ(dialog.scrollPos(kBar), 0);
}

TEST_F(DialogLayer, OptionButtonsEachFormTheirOwnGroup) {
  auto* a = qobject_cast<QAbstractButton*>(dialog.control(kOptionA));
  auto* b = qobject_cast<QAbstractButton*>(dialog.control(kOptionB));
  QTest::mouseClick(a, Qt::LeftButton);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(dialog.checkState(kOptionA), 1);
  EXPECT_EQ(dialog.checkState(kOptionB), 1);
  QTest::mouseClick(b, Qt::LeftButton);  // a click never unchecks
  EXPECT_EQ(dialog.checkState(kOptionB), 1);
}

TEST_F(DialogLayer, CheckBoxTurnsOverBeforeItsHandlerRuns) {
  QTest::mouseClick(dialog.control(kCheck), Qt::LeftButton);
  EXPECT_EQ(dialog.checkSeenByHandler, 1);
  QTest::mouseClick(dialog.control(kCheck), Qt::LeftButton);
  EXPECT_EQ(dialog.checkSeenByHandler, 0);
}

// Messages over a static text or picture reach the dialog, in its client
// pixels (the keypad's hit rectangles are given in them).
TEST_F(DialogLayer, MouseOverAStaticReachesTheDialogInClientPixels) {
  QWidget* picture = dialog.control(kPicture);
  ASSERT_EQ(picture->geometry(), QRect(150, 81, 60, 32));
  // Through the window, so Qt picks the widget under the pointer itself.
  const QPoint at = picture->geometry().topLeft() + QPoint(5, 6);
  testing::pressAt(&dialog, at);
  testing::releaseAt(&dialog, at);
  // Qt may deliver the pointer's move there first; it lands at the same spot.
  for (const auto& [kind, where] : dialog.mouse) EXPECT_EQ(where, QPoint(155, 87)) << kind;
  ASSERT_GE(dialog.mouse.size(), 2u);
  EXPECT_EQ(dialog.mouse[dialog.mouse.size() - 2].first, 'd');
  EXPECT_EQ(dialog.mouse.back().first, 'u');
}

// A panel that names an id its template lacks is told so: a logged error,
// and in a debug build the assertion stops it.
TEST_F(DialogLayer, AnIdOutsideTheTemplateFailsLoudly) {
  constexpr int kNotInTemplate = 4711;
#ifdef QT_NO_DEBUG
  static QString logged;
  logged.clear();
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg) logged += text;
      });
  dialog.setCheck(kNotInTemplate, 1);
  qInstallMessageHandler(previous);
  EXPECT_EQ(logged, QStringLiteral("dialog 900 has no control 4711"));
#else
  EXPECT_DEATH(dialog.setCheck(kNotInTemplate, 1), "not in the dialog's template");
#endif
}

}  // namespace
}  // namespace ocel::platform
