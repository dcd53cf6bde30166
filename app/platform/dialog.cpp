#include "platform/dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "platform/controls.h"
#include "platform/dialog_units.h"
#include "platform/pictures.h"
#include "platform/text_fitting.h"

namespace ocel::platform {

namespace {

// The dialogs were laid out for an 8-point sans-serif font with narrow
// letters; Liberation Sans at 11 pixels, set a little tighter, fits the
// same rectangles.
QFont dialogFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  font.setLetterSpacing(QFont::PercentageSpacing, 95);
  return font;
}

// Static texts, frames and pictures let the mouse through to the dialog,
// which gets the left-button and pointer-move messages over them.
void passMouseToDialog(QWidget* widget) { widget->setAttribute(Qt::WA_TransparentForMouseEvents); }

UserActionObserver& userActionObserver() {
  static UserActionObserver observer;
  return observer;
}

}  // namespace

void setUserActionObserver(UserActionObserver observer) {
  userActionObserver() = std::move(observer);
}

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent, Placement placement)
    : QDialog(parent), template_(dialogTemplate), placement_(placement) {
  if (placement == Placement::Page) setWindowFlags(Qt::Widget);
  setFont(dialogFont());
  setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  setFixedSize(horizontalUnitsToPixels(dialogTemplate.width),
               verticalUnitsToPixels(dialogTemplate.height));
  setMouseTracking(true);
  setSizeGripEnabled(false);
}

Dialog::~Dialog() = default;

void Dialog::CreateWindowOnce() {
  if (created_) return;
  createControls();
  created_ = true;
  initialising_ = true;
  OnInitDialog();
  initialising_ = false;
}

int Dialog::DoModal() {
  endedDuringInit_ = false;
  CreateWindowOnce();
  if (endedDuringInit_) return endResult_;
  return exec();
}

void Dialog::CreateModeless() {
  CreateWindowOnce();
  if (!endedDuringInit_) show();
}

void Dialog::EndDialog(int result) {
  endResult_ = result;
  if (initialising_) {
    endedDuringInit_ = true;
    return;
  }
  done(result);
}

void Dialog::createControls() {
  std::vector<QWidget*> widgets;
  for (const ControlTemplate& entry : template_.controls) {
    QWidget* widget = createControl(entry);
    widgets.push_back(widget);
    if (entry.id != kNoId) controls_[entry.id] = widget;
  }
  // Static texts keep clear of the controls that follow them on their line.
  for (QWidget* widget : widgets) {
    auto* text = qobject_cast<StaticText*>(widget);
    if (text == nullptr) continue;
    std::vector<QRect> others;
    for (const QWidget* other : widgets)
      if (other != widget) others.push_back(other->geometry());
    text->setRoom(roomOnLine(text->geometry(), others));
  }
}

QWidget* Dialog::createControl(const ControlTemplate& entry) {
  const QString text = QString::fromUtf8(entry.text ? entry.text : "");
  QRect rect = dialogUnitsToPixels(entry.x, entry.y, entry.width, entry.height);
  QWidget* widget = nullptr;
  const int id = entry.id;

  switch (entry.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(text, this);
      // The template's default button is pressed by Enter, unless another
      // push button has the focus: that one is the default while it has it.
      button->setDefault((entry.style & kDefaultButton) != 0);
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, id] { buttonClicked(id); });
      widget = button;
      break;
    }
    case ControlKind::OptionButton: {
      auto* button = new OptionButton(text, (entry.style & kAutoGroup) == 0, this);
      connect(button, &QRadioButton::clicked, this, [this, id] { buttonClicked(id); });
      widget = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new CheckBoxControl(text, this);
      connect(box, &QCheckBox::clicked, this, [this, id] { buttonClicked(id); });
      widget = box;
      break;
    }
    case ControlKind::Label: {
      auto* label = new StaticText(text, this);
      label->setAlignment(((entry.style & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                          Qt::AlignTop);
      passMouseToDialog(label);
      widget = label;
      break;
    }
    case ControlKind::GroupFrame: {
      auto* frame = new QGroupBox(text, this);
      passMouseToDialog(frame);
      widget = frame;
      break;
    }
    case ControlKind::DropDownCombo: {
      auto* box = new DropDownCombo(this);
      box->setMaxVisibleItems(std::max(1, entry.height / 12));
      connect(box, &QComboBox::activated, this, [this, id] {
        OnComboSelectionChange(id);
        userActionHandled();
      });
      // The template's height includes the dropped-down list; the closed
      // box is one edit line high.
      rect.setHeight(verticalUnitsToPixels(13));
      widget = box;
      break;
    }
    case ControlKind::HorizontalScrollBar: {
      auto* bar = new ScrollBarControl(this);
      bar->setRange(0, 100);
      bar->setPageStep(0);
      connect(bar, &ScrollBarControl::scrolled, this, [this, id](int code, int position) {
        OnHScroll(code, position, id);
        userActionHandled();
      });
      widget = bar;
      break;
    }
    case ControlKind::Bitmap: {
      auto* bitmap = new QLabel(this);
      // A bitmap control draws its picture from its top-left corner.
      bitmap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (!text.isEmpty()) bitmap->setPixmap(picture(text));
      passMouseToDialog(bitmap);
      widget = bitmap;
      break;
    }
  }
  widget->setGeometry(rect);
  // Shown also when the dialog is on screen already: a page is created when
  // its tab is first selected.
  widget->show();
  // A frame lies beneath the controls it surrounds.
  if (entry.kind == ControlKind::GroupFrame) widget->lower();
  return widget;
}

void Dialog::buttonClicked(int id) {
  if (auto handler = clickHandlers_.find(id); handler != clickHandlers_.end()) {
    handler->second();
    userActionHandled();
  } else if (id == kIdOk) {
    OnOK();
  } else if (id == kIdCancel) {
    OnCancel();
  }
}

void Dialog::userActionHandled() {
  if (const UserActionObserver& observer = userActionObserver()) observer(this);
}

void Dialog::onClick(int id, std::function<void()> handler) {
  clickHandlers_[id] = std::move(handler);
}

// ---- Control access ------------------------------------------------------

// A panel that names an id its template lacks would otherwise change
// nothing and go unnoticed: say so, and stop a debug build on the spot.
QWidget* Dialog::control(int id) const {
  auto found = controls_.find(id);
  if (found != controls_.end()) return found->second;
  qCritical("dialog %d has no control %d", template_.id, id);
  Q_ASSERT_X(false, "Dialog::control", "a control id that is not in the dialog's template");
  return nullptr;
}

int Dialog::checkState(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(control(id));
  return button && button->isChecked() ? 1 : 0;
}

// Setting a check leaves every other button as it is, as the native control
// does; Qt would refuse to uncheck the checked button of an automatic group.
void Dialog::setCheck(int id, int state) {
  auto* button = qobject_cast<QAbstractButton*>(control(id));
  if (!button) return;
  const bool autoExclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(state != 0);
  button->setAutoExclusive(autoExclusive);
}

bool Dialog::isControlEnabled(int id) const {
  QWidget* widget = control(id);
  return widget && widget->isEnabled();
}

void Dialog::enableControl(int id, bool enabled) {
  if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

QString Dialog::controlText(int id) const {
  QWidget* widget = control(id);
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* box = qobject_cast<QComboBox*>(widget)) return box->currentText();
  return {};
}

void Dialog::setControlText(int id, const QString& text) {
  QWidget* widget = control(id);
  if (auto* label = qobject_cast<StaticText*>(widget)) label->setFittedText(text);
  else if (auto* picture = qobject_cast<QLabel*>(widget)) picture->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
  else if (auto* frame = qobject_cast<QGroupBox*>(widget)) frame->setTitle(text);
  else if (auto* box = qobject_cast<QComboBox*>(widget)) box->setEditText(text);
}

ScrollBarControl* Dialog::scrollBar(int id) const {
  return qobject_cast<ScrollBarControl*>(control(id));
}

std::pair<int, int> Dialog::scrollRange(int id) const {
  const ScrollBarControl* bar = scrollBar(id);
  return bar ? std::pair{bar->minimum(), bar->maximum()} : std::pair{0, 0};
}

void Dialog::setScrollRange(int id, int minimum, int maximum) {
  if (ScrollBarControl* bar = scrollBar(id)) bar->setRange(minimum, maximum);
}

int Dialog::scrollPage(int id) const {
  const ScrollBarControl* bar = scrollBar(id);
  return bar ? bar->pageStep() : 0;
}

void Dialog::setScrollPage(int id, int page) {
  if (ScrollBarControl* bar = scrollBar(id)) bar->setPageStep(page);
}

int Dialog::scrollPos(int id) const {
  const ScrollBarControl* bar = scrollBar(id);
  return bar ? bar->value() : 0;
}

void Dialog::setScrollPos(int id, int position) {
  if (ScrollBarControl* bar = scrollBar(id)) bar->setThumbPosition(position);
}

QComboBox* Dialog::combo(int id) const { return qobject_cast<QComboBox*>(control(id)); }

int Dialog::addComboString(int id, const QString& text) {
  QComboBox* box = combo(id);
  if (!box) return -1;
  const QString edit = box->currentText();
  const int selected = box->currentIndex();
  int index = box->count();
  if (templateStyle(id) & kSortedList) {
    index = 0;
    while (index < box->count() &&
           QString::compare(box->itemText(index), text, Qt::CaseInsensitive) <= 0)
      ++index;
  }
  box->insertItem(index, text);
  // Inserting into an empty list would select the entry; a list that is
  // filled selects nothing and keeps its edit text.
  box->setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
  box->setEditText(edit);
  return index;
}

QStringList Dialog::comboStrings(int id) const {
  QStringList strings;
  if (QComboBox* box = combo(id))
    for (int i = 0; i < box->count(); ++i) strings << box->itemText(i);
  return strings;
}

int Dialog::comboSelection(int id) const {
  QComboBox* box = combo(id);
  return box ? box->currentIndex() : -1;
}

void Dialog::setComboEditText(int id, const QString& text) {
  if (QComboBox* box = combo(id)) box->setEditText(text);
}

unsigned Dialog::templateStyle(int id) const {
  for (const ControlTemplate& entry : template_.controls)
    if (entry.id == id) return entry.style;
  return kNoStyle;
}

// ---- Notifications ---------------------------------------------------------

void Dialog::OnHScroll(int, int, int) {}
void Dialog::OnComboSelectionChange(int) {}
void Dialog::OnLButtonDown(QPoint) {}
void Dialog::OnLButtonUp(QPoint) {}
void Dialog::OnMouseMove(QPoint) {}

void Dialog::closeEvent(QCloseEvent* event) {
  OnCancel();
  if (isVisible()) event->ignore();
  else event->accept();
}

// Enter and Esc on a page are the sheet's: its default button, its cancel.
void Dialog::keyPressEvent(QKeyEvent* event) {
  if (placement_ == Placement::Page) event->ignore();
  else QDialog::keyPressEvent(event);
}

void Dialog::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
}

void Dialog::mouseReleaseEvent(QMouseEvent* event) {
  QDialog::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) {
    OnLButtonUp(event->position().toPoint());
    userActionHandled();
  }
}

void Dialog::mouseMoveEvent(QMouseEvent* event) {
  QDialog::mouseMoveEvent(event);
  OnMouseMove(event->position().toPoint());
}

}  // namespace ocel::platform
