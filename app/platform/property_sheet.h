// A property sheet: a window with tabbed pages and OK / Abbrechen buttons.
// A page's window and controls are created the first time its tab is
// selected (its OnInitDialog runs then); its activation hook runs at every
// selection.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "platform/dialog.h"

class QTabWidget;

namespace ocel::platform {

class PropertySheet;

class PropertyPage : public Dialog {
  Q_OBJECT
 public:
  explicit PropertyPage(const DialogTemplate& dialogTemplate)
      : Dialog(dialogTemplate, nullptr, Placement::Page) {}
  explicit PropertyPage(DialogTemplate&&) = delete;

  // Called each time the page becomes the active tab, after its window
  // exists.
  virtual bool OnSetActive() { return true; }

  // The sheet the page has been added to, or none.
  PropertySheet* parentSheet() const;
};

class PropertySheet : public QDialog {
  Q_OBJECT
 public:
  explicit PropertySheet(const QString& caption, QWidget* parent = nullptr);

  // Pages are shown in the order they are added; the sheet does not own them
  // (a page may be destroyed before the sheet).
  void AddPage(PropertyPage* page);
  // Selects the first page and runs the sheet modally. Returns kIdOk or
  // kIdCancel.
  int DoModal();
  // Ends the modal run with this result; called while the first page starts
  // (before the run), DoModal returns it without running.
  void EndDialog(int result);

  int activeIndex() const;
  void setActivePage(int index);
  PropertyPage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

 protected:
  // Enter, Esc and the close box end the sheet as its buttons do.
  void accept() override { done(kIdOk); }
  void reject() override { done(kIdCancel); }

 private:
  void activate(int index);

  QTabWidget* tabs_;
  std::vector<PropertyPage*> pages_;
  bool running_ = false;
  std::optional<int> endedBeforeRun_;
};

}  // namespace ocel::platform
