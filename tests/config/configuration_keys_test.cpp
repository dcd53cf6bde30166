// The gain as a configuration file keeps it, in half decibels, and back.
#include "config/configuration_keys.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ocel::config {
namespace {

TEST(ConfigurationKeys, HalfDecibelsLoadAsTheGainTheyWereSavedFrom) {
  const std::tuple<double, std::int32_t, double> cases[] = {
      // 26 dB is no digital step
      {6.7, 13, 6.5}, {24, 48, 24}, {25.6, 51, 25.6}, {26, 52, 26}, {48, 96, 48}, {49, 98, 49}};
  for (const auto& [saved, kept, loaded] : cases) {
    EXPECT_EQ(halfDecibels(saved), kept) << saved;
    EXPECT_DOUBLE_EQ(decibelsFromHalfSteps(kept), loaded) << kept;
  }
}

}  // namespace
}  // namespace ocel::config
