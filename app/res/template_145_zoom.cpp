// Template 145, the "Zoom and Comm Settings" page of the sheet for model 1.
#include "res/dialog_templates.h"

namespace ocel::res {

const platform::DialogTemplate& zoomPageTemplate() {
  static const platform::DialogTemplate dialog{145, "Zoom and Comm Settings", 301, 260, {}};
  return dialog;
}

}  // namespace ocel::res
