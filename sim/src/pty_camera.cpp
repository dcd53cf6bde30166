#include "ocel400sim/pty_camera.h"

#include <cstdio>
#include <exception>

namespace ocelsim {

PtyCamera::PtyCamera(Options options)
    : server_(std::make_unique<CameraServer>(options)), loop_([server = server_.get()] {
        try {
          server->run();
        } catch (const std::exception& error) {
          std::fprintf(stderr, "ocel400sim: camera loop stopped: %s\n", error.what());
        }
      }) {}

PtyCamera::~PtyCamera() {
  server_->requestStop();
  loop_.join();
}

}  // namespace ocelsim
