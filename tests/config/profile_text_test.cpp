#include "config/profile_text.h"

#include <gtest/gtest.h>

#include "config/profile_file.h"

namespace ocel::config {
namespace {

constexpr const char* kSection = "Ocel400 Configuration";

TEST(ProfileWrite, ChangesOnlyTheKey) {
  const struct {
    const char* name;
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  } cases[] = {
      {"new file gets section and CRLF", "", "Mode", "1", "[Ocel400 Configuration]\r\nMode=1\r\n"},
      {"appended at the end of its section, not to the next one's key",
       "[Other]\nX=1\n\n[Ocel400 Configuration]\nA=1\n\n[Tail]\nMode=2\n", "Mode", "3",
       "[Other]\nX=1\n\n[Ocel400 Configuration]\nA=1\nMode=3\n\n[Tail]\nMode=2\n"},
      {"comments and other sections kept", "; note\n[Other]\nMode=9\n", "Mode", "1",
       "; note\n[Other]\nMode=9\n[Ocel400 Configuration]\nMode=1\n"},
      {"mixed line endings kept", "[Ocel400 Configuration]\r\nA=1\nMode=0\r\nB=2\n", "Mode", "7",
       "[Ocel400 Configuration]\r\nA=1\nMode=7\r\nB=2\n"},
      {"bare CR at the end kept", "[Ocel400 Configuration]\r\nMode=0\r", "Mode", "7",
       "[Ocel400 Configuration]\r\nMode=7\r"},
      {"new key after a bare CR: the CR stays, LF added", "[Ocel400 Configuration]\r\nA=1\r",
       "Mode", "3", "[Ocel400 Configuration]\r\nA=1\r\nMode=3\r\n"},
      {"new key after a last line without break", "[Ocel400 Configuration]\nA=1", "Mode", "3",
       "[Ocel400 Configuration]\nA=1\nMode=3\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(writeProfileString(c.before, kSection, c.key, c.value), c.after) << c.name;
}

// A value is read in its own section, names in any case and blanks around
// them, and only as a plain decimal number within 32 bits; else the fallback.
TEST(ProfileRead, FindsKeysWithoutRegardToCaseAndTakesPlainDecimalsOnly) {
  constexpr std::int32_t kFallback = 7;
  const struct {
    const char* line;
    std::int32_t value;
  } cases[] = {
      {"  mes = 4464 ", 4464},       {"MES=-1", -1},           {"MES=2147483647", 2147483647},
      {"MES=2147483648", kFallback}, {"MES=", kFallback},      {"MES=-", kFallback},
      {"MES=12a", kFallback},        {"Phase=4464", kFallback}};
  for (const auto& c : cases) {
    const std::string text = "[Other]\nMES=1\n[OCEL400 CONFIGURATION]\r\n" + std::string(c.line);
    EXPECT_EQ(readProfileInt(text + "\r\n", kSection, "MES", kFallback), c.value) << c.line;
  }
}

}  // namespace
}  // namespace ocel::config
