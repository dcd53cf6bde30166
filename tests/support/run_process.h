// Runs a program to its end and collects its exit status and output.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ocel::testing {

struct ProcessResult {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// argv[0] is the program's path. extraEnvironment is added to this process's
// environment for the child.
ProcessResult runProcess(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& extraEnvironment = {});

}  // namespace ocel::testing
