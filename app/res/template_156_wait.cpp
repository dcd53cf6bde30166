// Template 156, the wait window: a caption bar without title text and one
// line of text.
#include "res/dialog_templates.h"

namespace ocel::res {

const platform::DialogTemplate& waitWindowTemplate() {
  static const platform::DialogTemplate dialog{
      156,
      "",
      178,
      46,
      {
          {platform::kNoId, platform::ControlKind::Label,
           "Please wait while program is being initialized ...", 14, 17, 154, 12},
      }};
  return dialog;
}

}  // namespace ocel::res
