#include "panel_support/round_decimal.h"

#include <gtest/gtest.h>

namespace ocel::panel_support {
namespace {

TEST(RoundDecimal, RoundsOnTheTruncatedFirstDecimal) {
  const struct {
    double value;
    bool halfSteps;
    double rounded;
    const char* text;
  } cases[] = {
      {6.4, true, 6.5, "6.5"},   {6.2, true, 6.0, "6.0"},   {6.9, true, 7.0, "7.0"},
      {5.3, true, 5.0, "5.0"},  // 0.3 * 10 is 2.99...: a first decimal of 2
      {0.0, true, 0.0, "0.0"},   {2.55, false, 3.0, "3.0"}, {127.49999999999999, false, 127, "127.0"},
      {25.0, false, 25.0, "25.0"}, {99.96, false, 100.0, "100.0"},
  };
  for (const auto& c : cases) {
    const RoundedDecimal r = RoundDecimal(c.value, c.halfSteps);
    EXPECT_DOUBLE_EQ(r.value, c.rounded) << c.value;
    EXPECT_EQ(r.text, c.text) << c.value;
  }
}

}  // namespace
}  // namespace ocel::panel_support
