// The few control behaviours the dialogs need that Qt's widgets do not have
// out of the box.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace ocel::platform {

// An automatic option button. One that forms a group of its own is checked
// by a click (never unchecked) and leaves every other button alone: the
// dialog's click handler unchecks the siblings itself. Buttons of one
// automatic group uncheck each other. The whole rectangle takes clicks.
class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  OptionButton(const QString& text, bool ownGroup, QWidget* parent)
      : QRadioButton(text, parent), ownGroup_(ownGroup) {
    setAutoExclusive(!ownGroup);
  }

 protected:
  void nextCheckState() override {
    if (ownGroup_) setChecked(true);
    else QRadioButton::nextCheckState();
  }
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }

 private:
  bool ownGroup_;
};

// An automatic two-state check box; it has turned over when its click
// handler runs. The whole rectangle takes clicks.
class CheckBoxControl : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

// A static text that keeps clear of what follows it on its line: a text
// wider than its room is drawn in a tighter (then smaller) dialog font.
class StaticText : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  // The pixels the text may fill (see roomOnLine).
  void setRoom(int pixels);
  void setFittedText(const QString& text);

 private:
  void fit();
  int room_ = QWIDGETSIZE_MAX;
};

// A drop-down combo box: an edit field over a list. Only a choice from the
// list (by mouse, or by the arrow keys in the closed box) is a selection;
// text typed into the field selects nothing, neither when the field loses
// the focus nor on Enter, which goes on to the dialog's default button.
class DropDownCombo : public QComboBox {
  Q_OBJECT
 public:
  explicit DropDownCombo(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// A horizontal scroll bar that notifies its dialog with scroll codes the way
// a native scroll bar control does: an arrow or trough click gives its code
// and then 8 (end of scroll); a drag gives 5 for every tracked position and
// then 4 and 8 on release; a held arrow repeats its code and ends with one 8;
// the keyboard likewise. The dialog's handler alone moves the thumb: during
// a notification the thumb stays where it was unless the handler sets it.
// It is a tab stop and takes the focus when clicked; a focus frame around
// the thumb shows that the arrow keys move it.
class ScrollBarControl : public QScrollBar {
  Q_OBJECT
 public:
  explicit ScrollBarControl(QWidget* parent);

  // Moves the thumb, clamped into the range. Inside a notification this sets
  // the position Qt settles on once the handler returns.
  void setThumbPosition(int position);

 signals:
  void scrolled(int code, int position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void onActionTriggered(int action);

  bool notifying_ = false;  // inside scrolled(): the handler may move the thumb
  bool actionSincePress_ = false;
  int lastTrackedPosition_ = 0;
};

}  // namespace ocel::platform
