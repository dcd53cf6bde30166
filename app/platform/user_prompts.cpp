#include "platform/user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTreeView>

#include "platform/window_painting.h"

namespace ocel::platform {

namespace {

// Room the file dialog gives a file's name beyond Qt's default size, in
// average characters: a name like "Kamera Halle 3 Werkseinstellung.cfg"
// shows whole beside the size, type and date.
constexpr int kExtraNameCharacters = 30;

// The file dialog's detail columns (size, type, date) as wide as their
// contents, whatever the language; the name column takes the rest.
void fitDetailColumns(QFileDialog& dialog) {
  dialog.resize(
      dialog.sizeHint().width() + kExtraNameCharacters * dialog.fontMetrics().averageCharWidth(),
      dialog.sizeHint().height());
  auto* view = dialog.findChild<QTreeView*>();
  if (view == nullptr) return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// The width a message box needs for its title bar: a window manager sets
// the caption (bold) between the window's icon and its three buttons, and
// cuts it short in a box that is only as wide as its text ("Oc…in").
int widthForCaption(const QString& caption) {
  QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  titleFont.setBold(true);
  const QFontMetrics title(titleFont);
  // The icon and three buttons, each about a line high, and the margins.
  return title.horizontalAdvance(caption) + 6 * title.height();
}

// A row as wide as that below the box's text and button.
void makeRoomForCaption(QMessageBox& box) {
  auto* layout = qobject_cast<QGridLayout*>(box.layout());
  if (layout == nullptr) return;
  const int width = widthForCaption(box.windowTitle());
  layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                  layout->rowCount(), 0, 1, layout->columnCount());
}

class QtPrompts : public UserPrompts {
 public:
  void showMessage(QWidget* owner, const QString& text, const QString& caption) override {
    // Message texts carry Windows line breaks; Qt breaks on the \n alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Warning, caption, shown, QMessageBox::Ok, owner);
    makeRoomForCaption(box);
    box.exec();
  }

  std::optional<QString> chooseFile(QWidget* owner, const FileDialogRequest& request) override {
    QFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    dialog.setNameFilter(QStringLiteral("cfg (*.cfg)"));
    dialog.selectFile(QStringLiteral("*.cfg"));
    fitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  }
};

UserPrompts* override = nullptr;

}  // namespace

UserPrompts& userPrompts() {
  static QtPrompts real;
  return override ? *override : real;
}

void setUserPrompts(UserPrompts* prompts) { override = prompts; }

WaitCursor::WaitCursor(QWidget* window) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (window != nullptr) window->repaint();
  paintPending();
}
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace ocel::platform
