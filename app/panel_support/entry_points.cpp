#include "panel_support/entry_points.h"

#include <QStringList>

#include "panel_support/program_status.h"
#include "platform/user_prompts.h"
#include "res/strings.h"

namespace ocel::panel_support {

namespace {
LibraryCallHook libraryCallHook = nullptr;
}  // namespace

void setLibraryCallHook(LibraryCallHook hook) { libraryCallHook = hook; }

void detail::runLibraryCallHook() {
  if (libraryCallHook != nullptr) libraryCallHook();
}

bool EntryPointBinder::complete(QWidget* owner) const {
  if (missing_.empty()) return true;
  QStringList names;
  for (const std::string& name : missing_) names << QString::fromStdString(name);
  platform::userPrompts().showMessage(
      owner,
      QString::fromUtf8(res::kExportMissing)
          .arg(QString::fromStdString(library_.fileName()), names.join(QStringLiteral(", "))),
      QString::fromUtf8(res::kErrorCaption));
  markProgramFailed();
  return false;
}

}  // namespace ocel::panel_support
