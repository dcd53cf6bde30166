// Whether the run has met a failure that must end the program with exit
// status 1 once the dialogs on screen have closed (a missing export, found
// when a panel binds its entry points inside its own initialisation).
#pragma once

namespace ocel::panel_support {

void markProgramFailed();
bool programFailed();
void resetProgramStatus();  // a new run (tests run several in one process)

}  // namespace ocel::panel_support
