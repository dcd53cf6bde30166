#include "platform/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ocel::platform {

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
  connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::activate);
}

void PropertySheet::AddPage(PropertyPage* page) {
  pages_.push_back(page);
  const QSignalBlocker noActivationYet(tabs_);
  tabs_->addTab(page, page->windowTitle());
  // A page destroyed before the sheet takes its tab with it, and the tabs
  // move on: from then on no page is activated, so none is called half torn
  // down or started on the way out.
  connect(page, &QObject::destroyed, this, [this, page] {
    pagesLeaving_ = true;
    std::erase(pages_, page);
  });
}

int PropertySheet::DoModal() {
  if (pages_.empty()) return kIdCancel;
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(0);
  }
  activate(0);
  return exec();
}

int PropertySheet::activeIndex() const { return tabs_->currentIndex(); }

void PropertySheet::setActivePage(int index) { tabs_->setCurrentIndex(index); }

void PropertySheet::activate(int index) {
  if (pagesLeaving_ || index < 0 || index >= static_cast<int>(pages_.size())) return;
  PropertyPage* page = pages_[static_cast<std::size_t>(index)];
  page->CreateWindowOnce();
  page->OnSetActive();
}

}  // namespace ocel::platform
