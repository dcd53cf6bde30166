// Test-side handle on a loaded recording double of libOcel400.so. The
// resolver looks a name up in the loaded library, e.g.
//   RecordingDouble fake([handle](const char* name) { return dlsym(handle, name); });
#ifndef OCEL_DOUBLE_RECORDING_DOUBLE_H
#define OCEL_DOUBLE_RECORDING_DOUBLE_H

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "recording_double_control.h"

class RecordingDouble {
 public:
  using Resolver = std::function<void*(const char*)>;

  // Throws std::runtime_error naming the first control function not found.
  explicit RecordingDouble(const Resolver& resolve)
      : reset_(need<decltype(OcelDouble_Reset)>(resolve, "OcelDouble_Reset")),
        setValue_(need<decltype(OcelDouble_SetValue)>(resolve, "OcelDouble_SetValue")),
        queueAnswer_(need<decltype(OcelDouble_QueueAnswer)>(resolve, "OcelDouble_QueueAnswer")),
        setArea_(need<decltype(OcelDouble_SetArea)>(resolve, "OcelDouble_SetArea")),
        callCount_(need<decltype(OcelDouble_CallCount)>(resolve, "OcelDouble_CallCount")),
        call_(need<decltype(OcelDouble_Call)>(resolve, "OcelDouble_Call")),
        clearCalls_(need<decltype(OcelDouble_ClearCalls)>(resolve, "OcelDouble_ClearCalls")) {}

  void reset() const { reset_(); }
  // stem: the export name without Set/Get, e.g. "Shape", "MGC", "AEMode".
  void setValue(const std::string& stem, double value) const { setValue_(stem.c_str(), value); }
  void queueAnswer(const std::string& stem, double value) const {
    queueAnswer_(stem.c_str(), value);
  }
  void setArea(int32_t row, int32_t mask) const { setArea_(row, mask); }
  void clearCalls() const { clearCalls_(); }

  // Every camera call since the last reset or clearCalls, oldest first.
  std::vector<std::string> calls() const {
    std::vector<std::string> texts;
    const int32_t count = callCount_();
    for (int32_t i = 0; i < count; ++i) {
      const char* text = call_(i);
      texts.emplace_back(text != nullptr ? text : "");
    }
    return texts;
  }

 private:
  template <typename Function>
  static Function* need(const Resolver& resolve, const char* name) {
    void* symbol = resolve(name);
    if (symbol == nullptr) {
      throw std::runtime_error(std::string("recording double lacks ") + name);
    }
    return reinterpret_cast<Function*>(symbol);
  }

  decltype(&OcelDouble_Reset) reset_;
  decltype(&OcelDouble_SetValue) setValue_;
  decltype(&OcelDouble_QueueAnswer) queueAnswer_;
  decltype(&OcelDouble_SetArea) setArea_;
  decltype(&OcelDouble_CallCount) callCount_;
  decltype(&OcelDouble_Call) call_;
  decltype(&OcelDouble_ClearCalls) clearCalls_;
};

#endif  // OCEL_DOUBLE_RECORDING_DOUBLE_H
