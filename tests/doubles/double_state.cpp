#include "double_state.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "export_list.h"

namespace ocel_double {
namespace {

struct State {
  std::vector<std::string> calls;
  std::map<std::string, double, std::less<>> values;
  std::map<std::string, std::deque<double>, std::less<>> answers;
  std::array<int32_t, 6> areaRows{};
};

// Built on first use, so that it exists whenever an export is called.
State& state() {
  static State instance;
  return instance;
}

bool isKnownStem(std::string_view stem) {
#define OCEL_DOUBLE_STEM(stem, type) #stem,
  static const std::set<std::string_view> stems{
      OCEL_DOUBLE_SETTERS(OCEL_DOUBLE_STEM) OCEL_DOUBLE_GETTERS(OCEL_DOUBLE_STEM)};
#undef OCEL_DOUBLE_STEM
  return stems.contains(stem);
}

// A misspelt stem would otherwise leave a test silently reading 0.
void warnIfUnknown(const char* caller, std::string_view stem) {
  if (!isKnownStem(stem)) {
    std::fprintf(stderr, "%s: \"%.*s\" is no setting of the library\n", caller,
                 static_cast<int>(stem.size()), stem.data());
  }
}

}  // namespace

void resetState() { state() = State{}; }

void logCall(std::string text) { state().calls.push_back(std::move(text)); }

int32_t callCount() { return static_cast<int32_t>(state().calls.size()); }

const char* callAt(int32_t index) {
  const auto& calls = state().calls;
  if (index < 0 || static_cast<size_t>(index) >= calls.size()) return nullptr;
  return calls[static_cast<size_t>(index)].c_str();
}

void clearCalls() { state().calls.clear(); }

void storeValue(const char* stem, double value) {
  warnIfUnknown("OcelDouble_SetValue", stem);
  state().values.insert_or_assign(stem, value);
}

void queueAnswer(const char* stem, double value) {
  warnIfUnknown("OcelDouble_QueueAnswer", stem);
  state().answers[stem].push_back(value);
}

double answerFor(const char* stem) {
  State& s = state();
  if (auto queued = s.answers.find(std::string_view(stem));
      queued != s.answers.end() && !queued->second.empty()) {
    const double value = queued->second.front();
    queued->second.pop_front();
    return value;
  }
  const auto stored = s.values.find(std::string_view(stem));
  return stored == s.values.end() ? 0.0 : stored->second;
}

void storeAreaRow(int32_t row, int32_t mask) {
  if (row >= 0 && row < static_cast<int32_t>(state().areaRows.size())) {
    state().areaRows[static_cast<size_t>(row)] = mask;
  }
}

int32_t areaRow(int32_t row) {
  if (row < 0 || row >= static_cast<int32_t>(state().areaRows.size())) return 0;
  return state().areaRows[static_cast<size_t>(row)];
}

}  // namespace ocel_double
