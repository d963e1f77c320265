// Error messages with their bounded copy, and the settings display.
#include "engine_test_support.h"

#include <cstring>
#include <string>

namespace pavex_test {
namespace {

using ErrorMessages = EngineTest;
using ShowSettings = EngineTest;

std::vector<std::pair<std::string, std::string>> shown;

void record(const char *caption, const char *text) { shown.emplace_back(caption, text); }

TEST_F(ErrorMessages, UnknownCodesLeaveTheBufferAlone) {
  for (int32_t code : {0, 12, -1}) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(MD_translate_error(code, 16, buffer), code);
    EXPECT_EQ(std::string(buffer, 16), std::string(16, 'x'));
  }
}

TEST_F(ErrorMessages, NonPositiveLengthLeavesTheBufferAlone) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  MD_translate_error(8, 0, buffer);
  MD_translate_error(8, -4, buffer);
  EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

TEST_F(ErrorMessages, LongMessageIsCutWithoutTerminator) {
  char buffer[12];
  std::memset(buffer, 'x', sizeof buffer);
  MD_translate_error(8, 10, buffer);
  EXPECT_EQ(std::string(buffer, 12), "Some partixx");
}

TEST_F(ErrorMessages, ShortMessageIsPaddedWithZeros) {
  char buffer[44];
  std::memset(buffer, 'x', sizeof buffer);
  MD_translate_error(2, 40, buffer);
  EXPECT_EQ(std::string(buffer, 27), "Number of types less than 1");
  EXPECT_EQ(std::string(buffer + 27, 13), std::string(13, '\0'));
  EXPECT_EQ(std::string(buffer + 40, 4), "xxxx");
}

TEST_F(ErrorMessages, EveryCodeHasItsMessage) {
  const char *first[] = {"Internal error",
                         "Number of types",
                         "Potential parameter",
                         "No memory to allocate internal",
                         "No memory to allocate for",
                         "Cannot set temperature",
                         "Cannot set clamp",
                         "Some particles",
                         "All atomic",
                         "CalcAngVel: Atoms",
                         "CalcAngVel: Invalid"};
  for (int32_t code = 1; code <= 11; ++code) {
    char buffer[128];
    MD_translate_error(code, sizeof buffer, buffer);
    EXPECT_EQ(std::strncmp(buffer, first[code - 1], std::strlen(first[code - 1])), 0) << code;
  }
  char buffer[128];
  MD_translate_error(11, sizeof buffer, buffer);
  EXPECT_STREQ(buffer, "CalcAngVel: Invalid Moment of Inertia - are atoms co-linear/co-planar?");
}

TEST_F(ShowSettings, SettingsThenOneMessagePerPair) {
  shown.clear();
  pavex::setMessageSink(record);
  MD_set_nr_of_materials(2);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  MD_set_gravity(0.05);
  MD_set_clamp_temp(300);
  MD_show_settings();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].first, "Internal Settings");
  EXPECT_EQ(shown[0].second,
            "Gravity = 0.05\nTemperature = 0.00\nClamp temp = 300.000000\nClamp on/off = 1");
  EXPECT_EQ(shown[1].first, "Potential function [0] 0 <-> 0");
  EXPECT_EQ(shown[2].first, "Potential function [1] 1 <-> 0");
  EXPECT_EQ(shown[3].first, "Potential function [2] 1 <-> 1");
  EXPECT_EQ(shown[2].second, " 1024.0,     1.0,  1412.0,  2048.0");
}

TEST_F(ShowSettings, WithoutPairTableOnlyTheSettings) {
  shown.clear();
  pavex::setMessageSink(record);
  MD_show_settings();
  EXPECT_EQ(shown.size(), 1u);
}

} // namespace
} // namespace pavex_test
