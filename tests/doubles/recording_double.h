// Test-side handle on the recording double of libOcel400.so: loads it, and
// keeps it loaded for the handle's life so that its log survives a program
// releasing its own handle; drives its control functions and finds its
// camera exports.
#ifndef OCEL_DOUBLE_RECORDING_DOUBLE_H
#define OCEL_DOUBLE_RECORDING_DOUBLE_H

#include <dlfcn.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "recording_double_control.h"

class RecordingDouble {
 public:
  // Loads the double from path and resets it; throws std::runtime_error when
  // it cannot be loaded.
  explicit RecordingDouble(const std::string& path)
      : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (handle_ == nullptr) throw std::runtime_error("cannot load " + path);
    reset();
  }
  ~RecordingDouble() { dlclose(handle_); }
  RecordingDouble(const RecordingDouble&) = delete;
  RecordingDouble& operator=(const RecordingDouble&) = delete;

  // An export of the double, typed as declared: find<decltype(::GetShape)>("GetShape").
  template <typename Function>
  Function* find(const char* name) const {
    void* symbol = dlsym(handle_, name);
    if (symbol == nullptr) throw std::runtime_error(std::string("recording double lacks ") + name);
    return reinterpret_cast<Function*>(symbol);
  }

#define OCEL_DOUBLE_CONTROL(name) find<decltype(OcelDouble_##name)>("OcelDouble_" #name)
  void reset() const { OCEL_DOUBLE_CONTROL(Reset)(); }
  // stem: the export name without Set/Get, e.g. "Shape", "MGC", "AEMode".
  void setValue(const std::string& stem, double value) const {
    OCEL_DOUBLE_CONTROL(SetValue)(stem.c_str(), value);
  }
  void queueAnswer(const std::string& stem, double value) const {
    OCEL_DOUBLE_CONTROL(QueueAnswer)(stem.c_str(), value);
  }
  void setArea(int32_t row, int32_t mask) const { OCEL_DOUBLE_CONTROL(SetArea)(row, mask); }
  void clearCalls() const { OCEL_DOUBLE_CONTROL(ClearCalls)(); }

  // Every camera call since the last reset or clearCalls, oldest first.
  std::vector<std::string> calls() const {
    std::vector<std::string> texts;
    const int32_t count = OCEL_DOUBLE_CONTROL(CallCount)();
    for (int32_t i = 0; i < count; ++i) {
      const char* text = OCEL_DOUBLE_CONTROL(Call)(i);
      texts.emplace_back(text != nullptr ? text : "");
    }
    return texts;
  }
#undef OCEL_DOUBLE_CONTROL

 private:
  void* handle_;
};

#endif  // OCEL_DOUBLE_RECORDING_DOUBLE_H
