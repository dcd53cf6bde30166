// Every static text of every template as the dialog layer lays it out: the
// text stays inside its rectangle and clear of the control that follows it
// on its line, also with the widest values the panels write into it.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include "platform/dialog.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

namespace ocel::platform {
namespace {

constexpr int kLeastGap = 2;  // pixels between a text and what follows it

// The pixels a label's text covers on its line.
std::pair<int, int> textSpan(const QLabel& label) {
  const int width = QFontMetrics(label.font()).horizontalAdvance(label.text());
  const QRect box = label.geometry();
  if (label.alignment() & Qt::AlignHCenter) return {box.center().x() - width / 2, box.center().x() + width / 2};
  return {box.left(), box.left() + width};
}

void expectTextsClear(const Dialog& dialog) {
  const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->text().isEmpty()) continue;
    const auto [left, right] = textSpan(*label);
    const QRect box = label->geometry();
    EXPECT_LE(right, box.right() + 1) << dialog.dialogTemplate().id << " clips \"" << label->text().toStdString() << '"';
    for (const QWidget* other : controls) {
      const QRect next = other->geometry();
      if (other == label || next.left() <= box.left() || next.left() > right + kLeastGap ||
          next.bottom() < box.top() || next.top() > box.bottom())
        continue;
      EXPECT_LE(right + kLeastGap, next.left())
          << dialog.dialogTemplate().id << ": \"" << label->text().toStdString() << "\" touches "
          << other->metaObject()->className() << " at x " << next.left();
    }
  }
}

TEST(TemplateTexts, StayInsideTheirRectanglesAndClearOfTheirNeighbours) {
  namespace ids = res::classic_panel;
  const struct {
    const DialogTemplate& dialogTemplate;
    std::vector<std::pair<int, const char*>> widestValues;
  } templates[] = {
      {res::portDialogTemplate(), {}},
      {res::waitWindowTemplate(), {}},
      {res::classicPanelTemplate(),
       {{ids::kShutterPrefix, "FL"}, {ids::kShutterLabel, "30000"}, {ids::kGainLabel, "18.0"},
        {ids::kBlueLabel, "255"}, {ids::kInsideLabel, "100"}, {ids::kOutsideLabel, "100"}}},
      {res::zoomPageTemplate(), {}},
  };
  for (const auto& [dialogTemplate, widestValues] : templates) {
    Dialog dialog(dialogTemplate);
    dialog.CreateWindowOnce();
    expectTextsClear(dialog);
    for (const auto& [id, value] : widestValues) dialog.setControlText(id, value);
    expectTextsClear(dialog);
  }
}

}  // namespace
}  // namespace ocel::platform
