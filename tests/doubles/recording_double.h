// The recording double of libOcel400.so. It logs every camera call as text
// ("SetShape(131)"), keeps setters' values under their stem ("Shape") and
// answers getters from queued answers, then from those values (0 until set).
// LastResult() is not logged and answers the value "LastResult"; ReadArea(row)
// answers "Area<row>", which SelectArea(mask, row) sets.
#ifndef OCEL_DOUBLE_RECORDING_DOUBLE_H
#define OCEL_DOUBLE_RECORDING_DOUBLE_H

#include <dlfcn.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#define OCEL_DOUBLE_API __attribute__((visibility("default")))

extern "C" {

// Clears the call log, the value table (area rows too) and the queued answers.
OCEL_DOUBLE_API void OcelDouble_Reset(void);
OCEL_DOUBLE_API void OcelDouble_SetValue(const char* stem, double value);
// Answers queue first in, first out.
OCEL_DOUBLE_API void OcelDouble_QueueAnswer(const char* stem, double value);
// Forgets the calls logged so far; the script stays.
OCEL_DOUBLE_API void OcelDouble_ClearCalls(void);
// Call number index (from 0), valid until the next call into the double; else NULL.
OCEL_DOUBLE_API const char* OcelDouble_Call(int32_t index);

}  // extern "C"

// Keeps the double loaded for the handle's life, so that its log survives a
// program releasing its own handle.
class RecordingDouble {
 public:
  // Throws std::runtime_error when the double cannot be loaded.
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
  void setValue(const std::string& stem, double value) const {
    OCEL_DOUBLE_CONTROL(SetValue)(stem.c_str(), value);
  }
  void queueAnswer(const std::string& stem, double value) const {
    OCEL_DOUBLE_CONTROL(QueueAnswer)(stem.c_str(), value);
  }
  // The mask ReadArea(row) answers.
  void setArea(int32_t row, int32_t mask) const { setValue("Area" + std::to_string(row), mask); }

  void clearCalls() const { OCEL_DOUBLE_CONTROL(ClearCalls)(); }
  // Every camera call since the last reset, oldest first.
  std::vector<std::string> calls() const {
    std::vector<std::string> texts;
    const char* text;
    for (int32_t i = 0; (text = OCEL_DOUBLE_CONTROL(Call)(i)) != nullptr; ++i)
      texts.emplace_back(text);
    return texts;
  }
#undef OCEL_DOUBLE_CONTROL

 private:
  void* handle_;
};

#endif  // OCEL_DOUBLE_RECORDING_DOUBLE_H
