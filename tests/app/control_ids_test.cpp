// Every control id a panel names stands in that panel's template: a wrong id
// would otherwise address nothing.
#include <gtest/gtest.h>

#include <set>
#include <span>
#include <vector>

#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"

namespace ocel::res {
namespace {

std::vector<int> flatten(const int (&grid)[5][5]) {
  std::vector<int> ids;
  for (const auto& row : grid) ids.insert(ids.end(), std::begin(row), std::end(row));
  return ids;
}

TEST(ControlIds, EveryNamedIdStandsInItsTemplate) {
  const std::vector<int> grid = flatten(classic_panel::kGridBoxes);
  const struct {
    const platform::DialogTemplate& dialog;
    std::span<const int> ids;
  } templates[] = {
      {portDialogTemplate(), port_dialog::kAllIds},
      {classicPanelTemplate(), classic_panel::kAllIds},
      {classicPanelTemplate(), grid},
      {settingsPageTemplate(), settings_page::kAllIds},
      {zoomPageTemplate(), zoom_page::kAllIds},
  };
  for (const auto& [dialog, ids] : templates) {
    std::multiset<int> inTemplate;
    for (const platform::ControlTemplate& control : dialog.controls) inTemplate.insert(control.id);
    for (int id : ids) EXPECT_EQ(inTemplate.count(id), 1u) << "template " << dialog.id << ", id " << id;
  }
}

}  // namespace
}  // namespace ocel::res
