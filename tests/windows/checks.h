// The driver's checks: a failed one is reported on stderr and counted.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#define OCEL400_CHECK_EQ(actual, expected, what) ::ocel::testing::expectEq(actual, expected, what)

namespace ocel::testing {

inline int passedChecks = 0;
inline int failedChecks = 0;

inline std::string shown(const std::string& text) { return '"' + text + '"'; }
inline std::string shown(const std::vector<std::string>& texts) {
  std::string list = "{";
  for (const std::string& text : texts) list += (list.size() > 1 ? ", " : "") + shown(text);
  return list + "}";
}
template <typename T>
std::string shown(const T& value) {
  std::ostringstream out;
  out << +value;  // + shows a uint8_t as a number
  return out.str();
}

inline bool expectTrue(bool ok, const std::string& what) {
  ++(ok ? passedChecks : failedChecks);
  if (!ok) std::fprintf(stderr, "FAILED %s\n", what.c_str());
  return ok;
}

template <typename A, typename B>
bool expectEq(const A& actual, const B& expected, const std::string& what) {
  return expectTrue(actual == expected,
                    what + ": got " + shown(actual) + ", expected " + shown(expected));
}

}  // namespace ocel::testing
