// The property sheet's page life cycle and the real Qt prompts behind the
// seam, driven through real Qt events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "gui_support.h"
#include "platform/property_sheet.h"
#include "platform/standard_dialog_texts.h"
#include "platform/user_prompts.h"

namespace ocel::platform {
namespace {

const DialogTemplate kFirstPage{901, "Settings", 120, 60,
                                {{7, ControlKind::Label, "one", 5, 5, 40, 8},
                                 {9, ControlKind::OptionButton, "Remote", 5, 20, 40, 10},
                                 {10, ControlKind::PushButton, "", 60, 20, 8, 6}}};
const DialogTemplate kSecondPage{902, "Zoom and Comm Settings", 120, 60,
                                 {{8, ControlKind::Label, "two", 5, 5, 40, 8}}};

class CountingPage : public PropertyPage {
 public:
  using PropertyPage::PropertyPage;
  void onClickForTest(int id, std::function<void()> handler) { onClick(id, std::move(handler)); }
  int initialisations = 0, activations = 0;
  bool controlsExistedAtInit = false;

 protected:
  bool OnInitDialog() override {
    ++initialisations;
    controlsExistedAtInit = !dialogTemplate().controls.empty() &&
                            hasControl(dialogTemplate().controls.front().id);
    return true;
  }
  bool OnSetActive() override {
    ++activations;
    return true;
  }
};

class PropertySheetTest : public ::testing::Test {
 protected:
  PropertySheetTest() {
    sheet.AddPage(&first);
    sheet.AddPage(&second);
  }
  PropertySheet sheet{QStringLiteral("Ocel Serie")};
  CountingPage first{kFirstPage}, second{kSecondPage};
};

TEST_F(PropertySheetTest, PagesAreCreatedOnFirstSelectionAndActivatedAtEvery) {
  testing::whenModalShows([&](QWidget*) {
    EXPECT_EQ(first.initialisations, 1);
    EXPECT_TRUE(first.controlsExistedAtInit);
    EXPECT_FALSE(second.isWindowCreated());
    QTabBar* tabs = sheet.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "Settings");
    EXPECT_EQ(tabs->tabText(1), "Zoom and Comm Settings");
    for (int tab : {1, 0, 1}) QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QTest::keyClick(&sheet, Qt::Key_Escape);
  });
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
  EXPECT_EQ(first.initialisations, 1);
  EXPECT_EQ(first.activations, 2);
  EXPECT_EQ(second.initialisations, 1);
  EXPECT_EQ(second.activations, 2);
}

TEST_F(PropertySheetTest, NeverSelectedPageIsNeverCreated) {
  testing::whenModalShows([&](QWidget*) { sheet.EndDialog(kIdOk); });
  EXPECT_EQ(sheet.DoModal(), kIdOk);
  EXPECT_EQ(second.initialisations, 0);
}

// Enter and Esc on a page's control end the sheet as its OK and Abbrechen
// do; Enter on a focused push button of the page presses that button.
TEST_F(PropertySheetTest, EnterAndEscOnAPageReachTheSheet) {
  int pagePresses = 0;
  const struct {
    int focused;
    Qt::Key key;
    int result;
    int presses;
  } cases[] = {{9, Qt::Key_Return, kIdOk, 0}, {9, Qt::Key_Escape, kIdCancel, 0},
               {10, Qt::Key_Return, kIdCancel, 1}};
  for (const auto& c : cases) {
    testing::whenModalShows([&](QWidget*) {
      first.onClickForTest(10, [&] { ++pagePresses; });
      sheet.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
      first.control(c.focused)->setFocus(Qt::TabFocusReason);
      QTest::keyClick(QApplication::focusWidget(), c.key);
      if (sheet.isVisible()) sheet.EndDialog(kIdCancel);
    });
    EXPECT_EQ(sheet.DoModal(), c.result) << c.focused << " " << c.key;
    EXPECT_EQ(pagePresses, c.presses);
    EXPECT_TRUE(first.isVisibleTo(&sheet)) << "the page itself never closes";
  }
}

TEST(QtPrompts, MessageBoxShowsWarningCaptionAndBothLines) {
  testing::whenModalShows([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Ocel Error!");
    EXPECT_EQ(box->text(), "Es konnte keine\nVerbindung");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
  });
  userPrompts().showMessage(nullptr, "Es konnte keine\r\nVerbindung", "Ocel Error!");
}

// A short text does not make a box too narrow for its caption.
TEST(QtPrompts, MessageBoxIsWideEnoughForItsCaption) {
  QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  bold.setBold(true);
  const QFontMetrics title(bold);
  testing::whenModalShows([&title](QWidget* modal) {
    // The caption, and four title bar items (icon, three buttons) beside it.
    EXPECT_GE(modal->width(), title.horizontalAdvance("Ocel400main") + 4 * title.height());
    qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
  });
  userPrompts().showMessage(nullptr, "Loading DLL", "Ocel400main");
}

TEST(QtPrompts, FileDialogIsSetUpForConfigurationFilesAndCancelGivesNone) {
  const struct {
    FileDialogRequest request;
    QFileDialog::AcceptMode mode;
    bool confirms;
  } cases[] = {{{FileDialogRequest::Mode::Save, false}, QFileDialog::AcceptSave, false},
               {{FileDialogRequest::Mode::Save, true}, QFileDialog::AcceptSave, true},
               {{FileDialogRequest::Mode::Open, false}, QFileDialog::AcceptOpen, false}};
  for (const auto& c : cases) {
    testing::whenModalShows([&c](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->acceptMode(), c.mode);
      EXPECT_EQ(dialog->defaultSuffix(), "cfg");
      EXPECT_EQ(dialog->nameFilters(), QStringList{"cfg (*.cfg)"});
      EXPECT_EQ(!dialog->testOption(QFileDialog::DontConfirmOverwrite), c.confirms);
      dialog->reject();
    });
    EXPECT_EQ(userPrompts().chooseFile(nullptr, c.request), std::nullopt);
  }
}

// With Qt's German translations the file dialog speaks German, and at its
// default size it shows a usual file name and its details whole.
TEST(QtPrompts, FileDialogSpeaksGermanAndShowsItsColumnsWhole) {
  ASSERT_TRUE(useGermanStandardDialogs(*qApp)) << "qt6-translations-l10n is not installed";
  QTemporaryDir folder;
  QFile(folder.filePath("Kamera Halle 3 Werkseinstellung.cfg")).open(QIODevice::WriteOnly);
  QDir(folder.path()).mkdir("Sicherungen");  // its type is the long "Verzeichnis"
  const QString startedIn = QDir::currentPath();
  QDir::setCurrent(folder.path());
  const std::pair<FileDialogRequest::Mode, QString> modes[] = {
      {FileDialogRequest::Mode::Open, "Öffnen"}, {FileDialogRequest::Mode::Save, "Speichern"}};
  for (const auto& [mode, accept] : modes) {
    testing::whenModalShows([&accept](QWidget* modal) {
      auto* buttons = modal->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons, nullptr);
      const QList<QAbstractButton*> shown = buttons->buttons();
      QStringList texts;
      for (const QAbstractButton* button : shown) texts << button->text().remove('&');
      EXPECT_TRUE(texts.contains(accept)) << texts.join(", ").toStdString();
      EXPECT_TRUE(texts.contains("Abbrechen")) << texts.join(", ").toStdString();
      auto* view = modal->findChild<QTreeView*>();
      ASSERT_NE(view, nullptr);
      // The folder is read in the background; the columns follow.
      const auto columnsWhole = [view] {
        if (view->model()->rowCount(view->rootIndex()) == 0) return false;
        for (int column = 0; column < view->header()->count(); ++column)
          if (view->header()->sectionSize(column) <
              static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column))
            return false;
        return true;
      };
      EXPECT_TRUE(QTest::qWaitFor(columnsWhole, 5000));
      qobject_cast<QDialog*>(modal)->reject();
    });
    userPrompts().chooseFile(nullptr, {mode, false});
  }
  QDir::setCurrent(startedIn);
}

}  // namespace
}  // namespace ocel::platform
