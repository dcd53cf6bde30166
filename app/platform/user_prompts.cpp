#include "platform/user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ocel::platform {

namespace {

class QtPrompts : public UserPrompts {
 public:
  void showMessage(QWidget* owner, const QString& text, const QString& caption) override {
    // Message texts carry Windows line breaks; Qt breaks on the \n alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Warning, caption, shown, QMessageBox::Ok, owner);
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

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace ocel::platform
