// Every static text of every template as the dialog layer lays it out stays
// inside its rectangle and clear of the control that follows it on its line,
// also with the widest values the panels write into it.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include "platform/dialog.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

namespace ocel::platform {
namespace {

void expectTextsClear(const Dialog& dialog) {
  const auto controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect box = label->geometry();
    const int end = box.left() + QFontMetrics(label->font()).horizontalAdvance(label->text());
    const std::string text = std::to_string(dialog.dialogTemplate().id) + " \"" +
                             label->text().toStdString() + '"';
    EXPECT_LE(end, box.right() + 1) << text << " is cut off";
    for (const QWidget* next : controls) {
      const QRect other = next->geometry();
      const int middle = box.center().y();  // on the text's line: spans its middle
      if (other.left() > box.left() && other.left() <= end + 2 && other.top() <= middle &&
          middle <= other.bottom()) {
        EXPECT_LE(end + 2, other.left()) << text << " touches the control at x " << other.left();
      }
    }
  }
}

TEST(TemplateTexts, StayInsideTheirRectanglesAndClearOfTheirNeighbours) {
  namespace ids = res::classic_panel;
  const std::pair<const DialogTemplate*, std::vector<std::pair<int, const char*>>> templates[] = {
      {&res::portDialogTemplate(), {}},
      {&res::waitWindowTemplate(), {}},
      {&res::zoomPageTemplate(), {}},
      {&res::classicPanelTemplate(),
       {{ids::kShutterPrefix, "FL"}, {ids::kShutterLabel, "30000"}, {ids::kGainLabel, "18.0"},
        {ids::kBlueLabel, "255"}, {ids::kInsideLabel, "100"}, {ids::kOutsideLabel, "100"}}}};
  for (const auto& [dialogTemplate, widestValues] : templates) {
    Dialog dialog(*dialogTemplate);
    dialog.CreateWindowOnce();
    expectTextsClear(dialog);
    for (const auto& [id, value] : widestValues) dialog.setControlText(id, value);
    expectTextsClear(dialog);
  }
}

}  // namespace
}  // namespace ocel::platform
