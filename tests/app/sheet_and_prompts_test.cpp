// The property sheet's page life cycle and the real Qt prompts behind the
// seam, driven through real Qt events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>

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
  EXPECT_EQ(second.initialisations, 0) << "a page never selected is never created";
}

// A short text does not make a box too narrow for its caption.
TEST(QtPrompts, MessageBoxShowsWarningBothLinesAndIsWideEnoughForItsCaption) {
  QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  bold.setBold(true);
  const QFontMetrics title(bold);
  testing::whenModalShows([&title](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Ocel400main");
    EXPECT_EQ(box->text(), "Es konnte keine\nVerbindung");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    // The caption, and four title bar items (icon, three buttons) beside it.
    EXPECT_GE(modal->width(), title.horizontalAdvance("Ocel400main") + 4 * title.height());
    box->button(QMessageBox::Ok)->click();
  });
  userPrompts().showMessage(nullptr, "Es konnte keine\r\nVerbindung", "Ocel400main");
}

// With Qt's German translations the file dialog speaks German and at its
// default size shows a usual file name and its details whole. It shows
// configuration files and folders only, adds the suffix to a name typed
// without it, and asks before it replaces a file only when told to.
TEST(QtPrompts, FileDialogSpeaksGermanShowsConfigurationFilesAndAsksOnlyWhenTold) {
  ASSERT_TRUE(useGermanStandardDialogs(*qApp)) << "qt6-translations-l10n is missing";
  testing::TempFolder folder;
  folder.write("Kamera Halle 3 Werkseinstellung.cfg", "");
  folder.write("Notizen.txt", "");
  QDir(folder.path()).mkdir("Sicherungen");  // of the long type "Verzeichnis"
  const QString startedIn = QDir::currentPath();
  QDir::setCurrent(folder.path());
  using Mode = FileDialogRequest::Mode;
  const QString existing = folder.file("Kamera Halle 3 Werkseinstellung.cfg");
  const struct {
    FileDialogRequest request;
    QDialogButtonBox::StandardButton button;
    const char* text;
    const char* typed;
    std::optional<QString> chosen;  // asked, the answer No leaves the dialog to be cancelled
  } cases[] = {
      {{Mode::Open, false}, QDialogButtonBox::Open, "Öffnen", "Kamera Halle 3 Werkseinstellung.cfg",
       existing},
      {{Mode::Save, false}, QDialogButtonBox::Save, "Speichern", "Kamera Halle 3 Werkseinstellung",
       existing},
      {{Mode::Save, true}, QDialogButtonBox::Save, "Speichern", "Kamera Halle 3 Werkseinstellung",
       std::nullopt}};
  for (const auto& c : cases) {
    testing::whenModalShows([&c](QWidget* modal) {
      auto* buttons = modal->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons->button(c.button), nullptr);
      EXPECT_EQ(buttons->button(c.button)->text().remove('&'), c.text);
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
    EXPECT_EQ(userPrompts().chooseFile(nullptr, c.request), c.chosen) << c.typed;
  }
  QDir::setCurrent(startedIn);
}

}  // namespace
}  // namespace ocel::platform
