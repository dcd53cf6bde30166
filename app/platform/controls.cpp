#include "platform/controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QWheelEvent>

#include "platform/scroll_codes.h"
#include "platform/text_fitting.h"

namespace ocel::platform {

void StaticText::setRoom(int pixels) {
  room_ = pixels;
  fit();
}

void StaticText::setFittedText(const QString& text) {
  setText(text);
  fit();
}

void StaticText::fit() {
  const QFont dialogFont = parentWidget() != nullptr ? parentWidget()->font() : font();
  setFont(fittedFont(dialogFont, text(), room_));
}

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

// Qt's combo box would pick the list entry that matches the typed text when
// its field reports the end of editing: on Enter and on losing the focus.
void DropDownCombo::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();  // to the dialog, which presses its default button
    return;
  }
  QComboBox::keyPressEvent(event);
}

void DropDownCombo::focusOutEvent(QFocusEvent* event) {
  const QSignalBlocker noEndOfEditing(lineEdit());
  QComboBox::focusOutEvent(event);
}

ScrollBarControl::ScrollBarControl(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setFocusPolicy(Qt::StrongFocus);
  setTracking(true);
  connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBarControl::onActionTriggered);
}

void ScrollBarControl::setThumbPosition(int position) {
  if (notifying_) {
    // Qt applies sliderPosition() as the value once actionTriggered returns.
    setSliderPosition(position);
  } else {
    setValue(position);
  }
}

// Qt has already moved sliderPosition() when it reports the action, while
// value() still holds the old position. Put the thumb back and let the
// handler decide where it goes.
void ScrollBarControl::onActionTriggered(int action) {
  const std::optional<ScrollCode> code = scrollCodeForSliderAction(action);
  if (!code) return;
  const int moved = sliderPosition();
  setSliderPosition(value());
  if (*code == kThumbTrack) lastTrackedPosition_ = moved;
  actionSincePress_ = true;
  notifying_ = true;
  emit scrolled(*code, *code == kThumbTrack ? moved : value());
  notifying_ = false;
}

void ScrollBarControl::mousePressEvent(QMouseEvent* event) {
  actionSincePress_ = false;
  lastTrackedPosition_ = value();
  QScrollBar::mousePressEvent(event);
}

// Qt sends no end-of-scroll; the release of the mouse button is where a
// native scroll bar sends it (after the thumb's final position when the
// thumb was held).
void ScrollBarControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool thumbWasHeld = isSliderDown();
  QScrollBar::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (thumbWasHeld) {
    emit scrolled(kThumbPosition, lastTrackedPosition_);
    emit scrolled(kEndScroll, value());
  } else if (actionSincePress_) {
    emit scrolled(kEndScroll, value());
  }
  actionSincePress_ = false;
}

// The keys a scroll bar control answers, by the direction they name (Qt's
// own mapping follows its inverted wheel controls and would swap them).
void ScrollBarControl::keyPressEvent(QKeyEvent* event) {
  SliderAction action = SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
  }
  triggerAction(action);
  event->accept();
}

void ScrollBarControl::keyReleaseEvent(QKeyEvent* event) {
  QScrollBar::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !actionSincePress_) return;
  actionSincePress_ = false;
  emit scrolled(kEndScroll, value());
}

// A scroll bar control does not react to the wheel.
void ScrollBarControl::wheelEvent(QWheelEvent* event) { event->ignore(); }

void ScrollBarControl::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  QStyleOptionSlider bar;
  initStyleOption(&bar);
  QStyleOptionFocusRect frame;
  frame.initFrom(this);
  frame.rect = style()
                   ->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this)
                   .adjusted(1, 1, -1, -1);
  QStylePainter(this).drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

}  // namespace ocel::platform
