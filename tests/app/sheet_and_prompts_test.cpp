// The property sheet's page life cycle and the real Qt prompts behind the
// seam, driven through real Qt events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <QTreeView>

#include "gui_support.h"
#include "platform/property_sheet.h"
#include "platform/standard_dialog_texts.h"
#include "platform/user_prompts.h"

namespace ocel::platform {
namespace {

const DialogTemplate kFirstPage{901, "Settings", 120, 60,
                                {{7, ControlKind::Label, "one", 5, 5, 40, 8},
                                 {9, ControlKind::OptionButton, "Remote", 5, 20, 40, 10}}};
const DialogTemplate kSecondPage{902, "Zoom and Comm Settings", 120, 60,
                                 {{8, ControlKind::Label, "two", 5, 5, 40, 8}}};

class CountingPage : public PropertyPage {
 public:
  using PropertyPage::PropertyPage;
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
    EXPECT_TRUE(second.control(8)->isVisible()) << "created while the sheet is on screen";
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

// Enter and Esc on a page's control end the sheet as its OK and Abbrechen
// do; the page itself never closes.
TEST_F(PropertySheetTest, EnterAndEscOnAPageReachTheSheet) {
  for (const auto& [key, result] :
       {std::pair{Qt::Key_Return, kIdOk}, {Qt::Key_Escape, kIdCancel}}) {
    testing::whenModalShows([&, key = key](QWidget*) {
      first.control(9)->setFocus();
      QTest::keyClick(first.control(9), key);
      if (sheet.isVisible()) sheet.EndDialog(kIdCancel + 1);
    });
    EXPECT_EQ(sheet.DoModal(), result) << key;
    EXPECT_TRUE(first.isVisibleTo(&sheet)) << key;
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
  ASSERT_TRUE(useGermanStandardDialogs(*qApp)) << "qt6-translations-l10n is missing";
  QTemporaryDir folder;
  QFile(folder.filePath("Kamera Halle 3 Werkseinstellung.cfg")).open(QIODevice::WriteOnly);
  QDir(folder.path()).mkdir("Sicherungen");  // of the long type "Verzeichnis"
  const QString startedIn = QDir::currentPath();
  QDir::setCurrent(folder.path());
  const struct {
    FileDialogRequest::Mode mode;
    QDialogButtonBox::StandardButton button;
    const char* text;
  } modes[] = {{FileDialogRequest::Mode::Open, QDialogButtonBox::Open, "Öffnen"},
               {FileDialogRequest::Mode::Save, QDialogButtonBox::Save, "Speichern"}};
  for (const auto& accept : modes) {
    testing::whenModalShows([&accept](QWidget* modal) {
      auto* buttons = modal->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons->button(accept.button), nullptr);
      EXPECT_EQ(buttons->button(accept.button)->text().remove('&'), accept.text);
      EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
      auto* tree = modal->findChild<QTreeView*>();
      QAbstractItemView* view = tree;  // sizeHintForColumn is public here
      QHeaderView* header = tree->header();
      // The folder is read in the background; the columns follow it.
      EXPECT_TRUE(QTest::qWaitFor([&] {
        bool whole = view->model()->rowCount(view->rootIndex()) == 2;
        for (int column = 0; column < header->count(); ++column)
          whole = whole && header->sectionSize(column) >= view->sizeHintForColumn(column);
        return whole;
      }, 5000));
      qobject_cast<QDialog*>(modal)->reject();
    });
    userPrompts().chooseFile(nullptr, {accept.mode, false});
  }
  QDir::setCurrent(startedIn);
}

}  // namespace
}  // namespace ocel::platform
