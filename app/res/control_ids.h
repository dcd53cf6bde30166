// Control ids are declared from one list per template: each entry becomes a
// named constant that both the template and its panel use, and kAllIds
// gathers them so a test can find every one of them in its template.
#pragma once

#define OCEL_DECLARE_CONTROL_ID(name, id) inline constexpr int name = id;
#define OCEL_LIST_CONTROL_ID(name, id) id,

#define OCEL_DEFINE_CONTROL_IDS(LIST) \
  LIST(OCEL_DECLARE_CONTROL_ID)       \
  inline constexpr int kAllIds[] = {LIST(OCEL_LIST_CONTROL_ID)};
