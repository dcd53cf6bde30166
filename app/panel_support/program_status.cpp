#include "panel_support/program_status.h"

namespace ocel::panel_support {

namespace {
bool failed = false;
}  // namespace

void markProgramFailed() { failed = true; }
bool programFailed() { return failed; }
void resetProgramStatus() { failed = false; }

}  // namespace ocel::panel_support
