// The recording double of libOcel400.so (see recording_double.h). Setters
// keep their argument as given, without range rules.
#include <cmath>
#include <deque>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Ocel400.h"
#include "Ocel400_settings.h"
#include "recording_double.h"

namespace {

// Built on first use, so that it exists whenever an export is called.
struct State {
  std::vector<std::string> calls;
  std::map<std::string, double, std::less<>> values;
  std::map<std::string, std::deque<double>, std::less<>> answers;
};

State& state() {
  static State instance;
  return instance;
}

template <typename... Args>
void logCall(std::string_view name, Args... args) {
  std::ostringstream text;
  text << name << '(';
  [[maybe_unused]] const char* separator = "";           // unused without arguments
  ((text << separator << +args, separator = ","), ...);  // +: a uint8_t as a number
  state().calls.push_back(text.str() + ')');
}

// The oldest queued answer of the stem, else its table value, in the getter's
// type: integers keep the low bits (300 as uint8_t is 44) of the value clamped
// to int64, NaN as 0, since converting out of range is undefined behaviour.
template <typename T>
T answerFor(std::string_view stem) {
  State& s = state();
  double value = 0;
  if (auto queued = s.answers.find(stem); queued != s.answers.end() && !queued->second.empty()) {
    value = queued->second.front();
    queued->second.pop_front();
  } else if (auto stored = s.values.find(stem); stored != s.values.end()) {
    value = stored->second;
  }
  if constexpr (std::is_floating_point_v<T>) return static_cast<T>(value);
  if (std::isnan(value)) return 0;
  if (value >= 0x1p63) return static_cast<T>(std::numeric_limits<int64_t>::max());
  if (value < -0x1p63) return static_cast<T>(std::numeric_limits<int64_t>::min());
  return static_cast<T>(static_cast<int64_t>(value));
}

std::string areaStem(int32_t row) { return "Area" + std::to_string(row); }

}  // namespace

extern "C" {

uint16_t OCEL400_CALL PortInit(int32_t port) {
  logCall("PortInit", port);
  return OCEL400_DONE;
}

uint16_t OCEL400_CALL PortInitEx(int32_t port, int32_t model, int32_t standard, int32_t baud,
                                 int32_t parity) {
  logCall("PortInitEx", port, model, standard, baud, parity);
  return OCEL400_DONE;
}

// Not a camera call, so not logged; scripted as the value "LastResult".
uint16_t OCEL400_CALL LastResult(void) { return answerFor<uint16_t>("LastResult"); }

// Set<stem> and Get<stem> of every setting (exports_no_getshape.map hides GetShape).
#define OCEL_DOUBLE_SETTER_AND_GETTER(stem, argument, result, ...)      \
  uint16_t OCEL400_CALL Set##stem(argument value) {                     \
    logCall("Set" #stem, value);                                        \
    state().values.insert_or_assign(#stem, static_cast<double>(value)); \
    return OCEL400_DONE;                                                \
  }                                                                     \
  result OCEL400_CALL Get##stem(void) {                                 \
    logCall("Get" #stem);                                               \
    return answerFor<result>(#stem);                                    \
  }
OCEL400_SETTINGS(OCEL_DOUBLE_SETTER_AND_GETTER)

uint16_t OCEL400_CALL SelectArea(int32_t mask, uint8_t row) {
  logCall("SelectArea", mask, row);
  state().values.insert_or_assign(areaStem(row), mask);
  return OCEL400_DONE;
}

int32_t OCEL400_CALL ReadArea(int32_t row) {
  logCall("ReadArea", row);
  return answerFor<int32_t>(areaStem(row));
}

void OcelDouble_Reset(void) { state() = State{}; }

void OcelDouble_SetValue(const char* stem, double value) {
  state().values.insert_or_assign(stem, value);
}

void OcelDouble_QueueAnswer(const char* stem, double value) {
  state().answers[stem].push_back(value);
}

void OcelDouble_ClearCalls(void) { state().calls.clear(); }

const char* OcelDouble_Call(int32_t index) {
  const auto& calls = state().calls;
  return index >= 0 && static_cast<size_t>(index) < calls.size()
             ? calls[static_cast<size_t>(index)].c_str()
             : nullptr;
}

}  // extern "C"
