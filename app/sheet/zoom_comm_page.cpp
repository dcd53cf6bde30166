#include "sheet/zoom_comm_page.h"

#include "res/dialog_templates.h"

namespace ocel::sheet {

ZoomComm_1::ZoomComm_1(const platform::LoadedLibrary& library)
    : platform::PropertyPage(res::zoomPageTemplate()), library_(library) {}

}  // namespace ocel::sheet
