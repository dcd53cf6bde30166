#include "platform/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ocel::platform {

PropertySheet* PropertyPage::parentSheet() const { return qobject_cast<PropertySheet*>(window()); }

PropertySheet::PropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle(caption);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  // The pages send every change at once, so there is never anything to apply.
  buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::ApplyRole)->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PropertySheet::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // A tab the user selects on screen activates its page; the tab changes
  // that removing the pages causes after the run must not start one.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (isVisible()) activate(index);
  });
}

void PropertySheet::AddPage(PropertyPage* page) {
  pages_.push_back(page);
  const QSignalBlocker noActivationYet(tabs_);
  tabs_->addTab(page, page->windowTitle());
  // A page destroyed before the sheet takes its tab with it; the sheet
  // forgets it too, so it never reaches a page that is gone.
  connect(page, &QObject::destroyed, this, [this, page] { std::erase(pages_, page); });
}

int PropertySheet::DoModal() {
  if (pages_.empty()) return kIdCancel;
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(0);
  }
  endedBeforeRun_.reset();
  activate(0);
  if (endedBeforeRun_) return *endedBeforeRun_;
  running_ = true;
  const int result = exec();
  running_ = false;
  return result;
}

void PropertySheet::EndDialog(int result) {
  if (running_) done(result);
  else endedBeforeRun_ = result;
}

int PropertySheet::activeIndex() const { return tabs_->currentIndex(); }

void PropertySheet::setActivePage(int index) {
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(index);
  }
  activate(index);
}

void PropertySheet::activate(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  PropertyPage* page = pages_[static_cast<std::size_t>(index)];
  page->CreateWindowOnce();
  page->OnSetActive();
}

}  // namespace ocel::platform
