// The templates: every id a panel names stands in its template, and every
// static text as the dialog layer lays it out stays inside its rectangle and
// clear of the control that follows it on its line, also with the widest
// values the panels write into it.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <set>
#include <span>
#include <vector>

#include "platform/dialog.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"

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

// Every control id a panel names stands in that panel's template: a wrong id
// would otherwise address nothing.
TEST(ControlIds, EveryNamedIdStandsInItsTemplate) {
  std::vector<int> grid;
  for (const auto& row : res::classic_panel::kGridBoxes) grid.insert(grid.end(), row, row + 5);
  const struct {
    const DialogTemplate& dialog;
    std::span<const int> ids;
  } templates[] = {
      {res::portDialogTemplate(), res::port_dialog::kAllIds},
      {res::classicPanelTemplate(), res::classic_panel::kAllIds},
      {res::classicPanelTemplate(), grid},
      {res::settingsPageTemplate(), res::settings_page::kAllIds},
      {res::zoomPageTemplate(), res::zoom_page::kAllIds},
  };
  for (const auto& [dialog, ids] : templates) {
    std::multiset<int> inTemplate;
    for (const ControlTemplate& control : dialog.controls) inTemplate.insert(control.id);
    for (int id : ids) EXPECT_EQ(inTemplate.count(id), 1u) << "template " << dialog.id << ", id " << id;
  }
}

}  // namespace
}  // namespace ocel::platform
