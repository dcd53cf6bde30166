#include "config/profile_text.h"

#include <gtest/gtest.h>

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
      {"key matched without case", "[ocel400 configuration]\r\nmgc*2=4\r\n", "MGC*2", "13",
       "[ocel400 configuration]\r\nMGC*2=13\r\n"},
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

TEST(ProfileRead, FindsKeysWithoutRegardToCaseAndTrimsBlanks) {
  const char* text = "[Other]\nMES=1\n[OCEL400 CONFIGURATION]\r\n  mes = 4464 \r\nShape=235\r\n";
  EXPECT_EQ(readProfileString(text, kSection, "MES"), "4464");
  EXPECT_EQ(readProfileString(text, kSection, "Phase"), std::nullopt);
  EXPECT_EQ(readProfileString(text, "Missing", "MES"), std::nullopt);
}

TEST(PlainDecimal, AcceptsOnlyOptionalMinusAndDigitsWithin32Bits) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {{"4464", 4464},     {"-1", -1},  {"2147483647", 2147483647},
               {"2147483648", {}}, {"", {}},    {"-", {}},
               {"12a", {}},        {" 12", {}}, {"+5", {}}};
  for (const auto& c : cases) EXPECT_EQ(parsePlainDecimal(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace ocel::config
