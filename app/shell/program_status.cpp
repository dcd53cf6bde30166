#include "shell/program_status.h"

namespace ocel::shell {

namespace {
bool failed = false;
}  // namespace

void markProgramFailed() { failed = true; }
bool programFailed() { return failed; }
void resetProgramStatus() { failed = false; }

}  // namespace ocel::shell
