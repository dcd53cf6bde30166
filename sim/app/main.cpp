// ocel400-camsim: a simulated camera on a pseudo-terminal.
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <variant>
#include <vector>

#include "ocel400sim/camera_server.h"
#include "ocel400sim/command_line.h"

namespace {

// SIGINT, SIGTERM and SIGHUP arrive on a signalfd, so the loop ends cleanly
// and the link is removed.
int stopSignalFd() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return -1;
  return signalfd(-1, &signals, SFD_CLOEXEC);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 0 ? argv[0] : "ocel400-camsim";
  const ocelsim::CommandLine commandLine =
      ocelsim::parseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  if (std::holds_alternative<ocelsim::HelpRequested>(commandLine)) {
    std::fputs(ocelsim::usageText(program).c_str(), stdout);
    return 0;
  }
  if (const auto* error = std::get_if<ocelsim::UsageError>(&commandLine)) {
    std::fprintf(stderr, "%s: %s\n%s", program.c_str(), error->message.c_str(),
                 ocelsim::usageText(program).c_str());
    return 2;
  }
  const auto& options = std::get<ocelsim::Options>(commandLine);

  const int signals = stopSignalFd();
  if (signals < 0) {
    std::perror("signalfd");
    return 1;
  }
  try {
    ocelsim::CameraServer camera(options);
    std::printf("%s\n", ocelsim::startupLine(options, camera.slavePath()).c_str());
    std::fflush(stdout);
    camera.run(signals);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
    close(signals);
    return 1;
  }
  close(signals);
  return 0;
}
