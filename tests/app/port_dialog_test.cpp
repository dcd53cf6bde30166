// The port and camera selection dialog against the recording double,
// driven through real Qt events.
#include "shell/port_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gui_support.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"

namespace ocel::shell {
namespace {

namespace ids = res::port_dialog;
using Calls = std::vector<std::string>;

class PortDialogTest : public ::testing::Test {
 protected:
  PortDialogTest() : library_(load()), dialog(*library_) {}

  static std::unique_ptr<platform::LoadedLibrary> load() {
    std::string reason;
    auto library = platform::LoadedLibrary::load(OCEL400_DOUBLE_PATH, reason);
    if (!library) throw std::runtime_error(reason);
    return library;
  }

  void SetUp() override { open(); }

  // Shows the dialog (again) as the active window, so keys reach its focus.
  void open() {
    dialog.CreateModeless();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  void click(int id) { QTest::mouseClick(dialog.control(id), Qt::LeftButton); }

  // Picks an entry the way a user does: open the list, click the entry.
  void pick(int comboId, const QString& text) {
    auto* box = qobject_cast<QComboBox*>(dialog.control(comboId));
    ASSERT_NE(box, nullptr);
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(box->findText(text), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  }

  Calls calls() { return double_.calls(); }

  RecordingDouble double_{OCEL400_DOUBLE_PATH};
  std::unique_ptr<platform::LoadedLibrary> library_;
  PortDialog dialog;
};

TEST_F(PortDialogTest, OpensWithTheDefaultsAndSortedLists) {
  EXPECT_EQ(dialog.checkState(ids::kModel1), 1);
  EXPECT_EQ(dialog.checkState(ids::kModel0), 0);
  EXPECT_EQ(dialog.checkState(ids::kPal), 1);
  EXPECT_EQ(dialog.checkState(ids::kCom1), 1);
  EXPECT_EQ(dialog.comboStrings(ids::kBaudRate), (QStringList{"2400", "4800", "9600"}));
  EXPECT_EQ(dialog.comboStrings(ids::kParity), (QStringList{"Even", "No", "Odd"}));
  EXPECT_EQ(dialog.comboSelection(ids::kBaudRate), -1);
  EXPECT_EQ(dialog.comboSelection(ids::kParity), -1);
  EXPECT_EQ(dialog.controlText(ids::kBaudRate), "9600");
  EXPECT_EQ(dialog.controlText(ids::kParity), "No");
  EXPECT_EQ(dialog.controlText(ids::kPortLabel), "COM 1");
  EXPECT_EQ(calls(), Calls{});
}

TEST_F(PortDialogTest, ListChoicesReachPortInitExAndSurviveModelZero) {
  pick(ids::kBaudRate, "2400");
  pick(ids::kParity, "Even");
  click(ids::kNtsc);
  click(ids::kModel0);
  EXPECT_FALSE(dialog.isControlEnabled(ids::kBaudRate));
  EXPECT_FALSE(dialog.isControlEnabled(ids::kParity));
  EXPECT_EQ(dialog.checkState(ids::kModel1), 0);
  click(ids::kModel1);
  EXPECT_TRUE(dialog.isControlEnabled(ids::kBaudRate));
  EXPECT_EQ(dialog.controlText(ids::kBaudRate), "2400");
  click(ids::kModel0);
  click(platform::kIdOk);
  EXPECT_EQ(calls(), Calls{"PortInitEx(1,0,1,2400,2)"});
  EXPECT_EQ(dialog.model, 0);
  EXPECT_EQ(dialog.standard, 1);
}

// Text typed into a list's edit field changes nothing, whether Enter or a
// click on OK ends the dialog: only a choice from the list counts. Keys go
// where the user's keys go, to the widget with the focus.
TEST_F(PortDialogTest, TypedTextChangesNothing) {
  const struct {
    const char* baud;
    const char* parity;
    bool enter;  // else a click on OK
  } cases[] = {{"4800", nullptr, true}, {"2400", "Odd", false}};
  for (const auto& c : cases) {
    for (auto [id, typed] : {std::pair{ids::kBaudRate, c.baud}, {ids::kParity, c.parity}}) {
      if (!typed) continue;
      QTest::mouseClick(qobject_cast<QComboBox*>(dialog.control(id))->lineEdit(), Qt::LeftButton);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(QApplication::focusWidget(), typed);
    }
    if (c.enter) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else click(platform::kIdOk);
    EXPECT_EQ(calls(), Calls{"PortInitEx(1,1,0,9600,0)"}) << c.baud;
    EXPECT_EQ(dialog.result(), platform::kIdOk);
    double_.clearCalls();
    open();  // the same dialog again, for the next case
  }
}

// Enter presses the push button that has the focus; once the focus is on a
// control that is no push button, Enter presses OK again.
TEST_F(PortDialogTest, EnterPressesTheFocusedButtonElseOk) {
  dialog.control(platform::kIdCancel)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(dialog.cancelled, 1);
  EXPECT_EQ(calls(), Calls{});

  dialog.cancelled = 0;
  open();
  dialog.control(platform::kIdCancel)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // on to the first option button
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(dialog.cancelled, 0);
  EXPECT_EQ(calls(), Calls{"PortInitEx(1,1,0,9600,0)"});
}

TEST_F(PortDialogTest, PortLabelFollowsEveryControl) {
  const struct {
    int clicked;
    const char* label;
  } steps[] = {{ids::kCom1 + 2, "COM 3"}, {ids::kNtsc, "COM 3"}, {ids::kCom4, "COM 4"},
               {ids::kModel0, "COM 4"},   {ids::kCom1 + 1, "COM 2"}, {ids::kPal, "COM 2"}};
  for (const auto& step : steps) {
    click(step.clicked);
    EXPECT_EQ(dialog.controlText(ids::kPortLabel), step.label) << step.clicked;
  }
  for (int id = ids::kCom1; id <= ids::kCom4; ++id)
    EXPECT_EQ(dialog.checkState(id), id == ids::kCom1 + 1) << id;
  click(ids::kModel1);
  pick(ids::kParity, "Odd");
  EXPECT_EQ(dialog.controlText(ids::kPortLabel), "COM 2");
  click(platform::kIdOk);
  EXPECT_EQ(calls(), Calls{"PortInitEx(2,1,0,9600,1)"});
}

enum class Leave { CancelButton, EscKey, CloseBox };

class PortDialogCancel : public PortDialogTest, public ::testing::WithParamInterface<Leave> {};

TEST_P(PortDialogCancel, SetsCancelledAndCallsNothing) {
  click(ids::kCom4);
  switch (GetParam()) {
    case Leave::CancelButton: click(platform::kIdCancel); break;
    case Leave::EscKey: QTest::keyClick(&dialog, Qt::Key_Escape); break;
    case Leave::CloseBox: dialog.close(); break;
  }
  EXPECT_EQ(dialog.cancelled, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(calls(), Calls{});
}

std::string leaveName(const ::testing::TestParamInfo<Leave>& info) {
  constexpr const char* kNames[] = {"CancelButton", "EscKey", "CloseBox"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, PortDialogCancel,
                         ::testing::Values(Leave::CancelButton, Leave::EscKey, Leave::CloseBox),
                         leaveName);

}  // namespace
}  // namespace ocel::shell
