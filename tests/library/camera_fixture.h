// A simulated camera on a pty, mapped to COM1, for tests that drive the
// library's exports over a real serial line.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "Ocel400.h"
#include "library_state.h"
#include "ocel400sim/pty_camera.h"

// The shared checks of line_scenarios.h report as gtest expectations.
#define OCEL400_CHECK_EQ(actual, expected, what) EXPECT_EQ(actual, expected) << (what)

namespace ocel::testing {

inline ocelsim::Options instantCamera(int model) {
  ocelsim::Options options;
  options.model = model;
  options.paced = false;  // the tests count frames, not milliseconds
  return options;
}

class CameraTest : public ::testing::Test {
 protected:
  // Every test starts from the library's state after load.
  void SetUp() override { libraryState() = LibraryState{}; }
  void TearDown() override { libraryState() = LibraryState{}; }

  // Starts a camera and maps COMn to it; the library is not opened yet.
  ocelsim::PtyCamera& startCamera(const ocelsim::Options& options, int port = 1) {
    camera_ = std::make_unique<ocelsim::PtyCamera>(options);
    const std::string variable = "OCEL400_COM" + std::to_string(port);
    setenv(variable.c_str(), camera_->slavePath().c_str(), 1);
    return *camera_;
  }

  // A camera of the model, opened by PortInitEx on COM1 at 9600 baud.
  ocelsim::PtyCamera& openCamera(int model, int standard = OCEL400_PAL) {
    startCamera(instantCamera(model));
    EXPECT_EQ(PortInitEx(1, model, standard, 9600, 0), OCEL400_DONE);
    return *camera_;
  }

  // openCamera as line_scenarios.h takes it.
  auto opener() {
    return [this](int model) -> ocelsim::PtyCamera& { return openCamera(model); };
  }

  ocelsim::PtyCamera& camera() { return *camera_; }

  void stopCamera() { camera_.reset(); }

  std::string lastFrame() {
    const auto frames = camera_->receivedFrames();
    return frames.empty() ? std::string() : frames.back();
  }

 private:
  std::unique_ptr<ocelsim::PtyCamera> camera_;
};

}  // namespace ocel::testing
