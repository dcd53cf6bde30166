// The gain as a configuration file keeps it, in half decibels, and back.
#include "config/configuration_keys.h"

#include <gtest/gtest.h>

namespace ocel::config {
namespace {

TEST(ConfigurationKeys, HalfDecibelsLoadAsTheGainTheyWereSavedFrom) {
  const struct {
    double saved;  // dB as the camera reported it
    std::int32_t kept;
    double loaded;
  } cases[] = {{6.7, 13, 6.5},   {24.0, 48, 24.0}, {25.6, 51, 25.6}, {27.2, 54, 27.2},
               {32.0, 64, 32.0}, {46.4, 92, 46.4}, {48.0, 96, 48.0}};
  for (const auto& c : cases) {
    EXPECT_EQ(halfDecibels(c.saved), c.kept) << c.saved;
    EXPECT_DOUBLE_EQ(decibelsFromHalfSteps(c.kept), c.loaded) << c.kept;
  }
  // Values no save of a digital step gives are sent as they stand.
  EXPECT_EQ(decibelsFromHalfSteps(52), 26.0);
  EXPECT_EQ(decibelsFromHalfSteps(98), 49.0);
  EXPECT_EQ(decibelsFromHalfSteps(-1), 2147483647.5);
}

}  // namespace
}  // namespace ocel::config
