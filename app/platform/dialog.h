// The dialog base every window of the program stands on: it builds its
// controls from a template, addresses them by id, and turns Qt's events into
// the notifications a dialog handles (initialisation, clicks by control id,
// scroll codes, left-button and pointer-move messages in client pixels).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <utility>

#include "platform/dialog_template.h"

class QComboBox;
class QScrollBar;

namespace ocel::platform {

class ScrollBarControl;

// Told after any dialog has handled a user action: a click, a scroll
// notification, a list choice or a left-button release. The program checks
// there whether the camera took what the action sent.
using UserActionObserver = std::function<void(QWidget* dialog)>;
// Puts an observer in force for every dialog (an empty one removes it).
void setUserActionObserver(UserActionObserver observer);

class Dialog : public QDialog {
  Q_OBJECT
 public:
  // A page is embedded in a property sheet instead of being a window.
  enum class Placement { Window, Page };

  explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
                  Placement placement = Placement::Window);
  // The dialog keeps a reference to its template: never a temporary one.
  Dialog(DialogTemplate&&, QWidget* = nullptr, Placement = Placement::Window) = delete;
  ~Dialog() override;

  // Creates the controls, runs OnInitDialog and then the modal loop, unless
  // the initialisation has already ended the dialog. Returns the result
  // given to EndDialog (kIdOk, kIdCancel, ...).
  int DoModal();
  // Creates the controls, runs OnInitDialog and shows the dialog without
  // waiting for it.
  void CreateModeless();
  // Ends the modal run (or closes a modeless dialog) with this result.
  void EndDialog(int result);
  // Creates the window and its controls once and runs OnInitDialog; what a
  // property sheet does when a page is first selected.
  void CreateWindowOnce();
  bool isWindowCreated() const { return created_; }

  const DialogTemplate& dialogTemplate() const { return template_; }

  // ---- Control access by id ---------------------------------------------
  QWidget* control(int id) const;
  bool hasControl(int id) const { return controls_.count(id) != 0; }

  int checkState(int id) const;  // 0 unchecked, 1 checked
  void setCheck(int id, int state);
  bool isControlEnabled(int id) const;
  void enableControl(int id, bool enabled);
  QString controlText(int id) const;
  void setControlText(int id, const QString& text);

  std::pair<int, int> scrollRange(int id) const;
  void setScrollRange(int id, int minimum, int maximum);
  int scrollPage(int id) const;
  void setScrollPage(int id, int page);
  int scrollPos(int id) const;
  // Clamped into the range, as a scroll bar control keeps its thumb inside.
  void setScrollPos(int id, int position);

  // Adds an entry; a sorted list puts it in order. Returns its index.
  int addComboString(int id, const QString& text);
  QStringList comboStrings(int id) const;
  int comboSelection(int id) const;  // -1 when no entry is selected
  void setComboEditText(int id, const QString& text);

 protected:
  // ---- Notifications a dialog handles ------------------------------------
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  virtual void OnHScroll(int code, int position, int controlId);
  virtual void OnComboSelectionChange(int controlId);
  virtual void OnLButtonDown(QPoint clientPixel);
  virtual void OnLButtonUp(QPoint clientPixel);
  virtual void OnMouseMove(QPoint clientPixel);

  // Registers the click handler of a button, option button or check box.
  void onClick(int id, std::function<void()> handler);

  // Qt's routes into the notifications above.
  void accept() override { OnOK(); }
  void reject() override { OnCancel(); }
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void createControls();
  QWidget* createControl(const ControlTemplate& control);
  void buttonClicked(int id);
  void userActionHandled();
  QComboBox* combo(int id) const;
  unsigned templateStyle(int id) const;
  ScrollBarControl* scrollBar(int id) const;

  const DialogTemplate& template_;
  const Placement placement_;
  std::map<int, QWidget*> controls_;
  std::map<int, std::function<void()>> clickHandlers_;
  bool created_ = false;
  bool initialising_ = false;
  bool endedDuringInit_ = false;
  int endResult_ = kIdCancel;
};

}  // namespace ocel::platform
