#include "line_reader.h"
#include "scenario/atom_model_file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

using namespace AtomModelFileIO;

TEST(ValueAfterSeparator, DropsTheOneCharacterAfterTheMarker) {
  EXPECT_EQ(valueAfterSeparator("Number of atoms = 128", "="), 128.0);
  EXPECT_EQ(valueAfterSeparator("Number of atoms =128", "="), 28.0);
  EXPECT_EQ(valueAfterSeparator("Type 1 has mass 2.5", "mass"), 2.5);
}

TEST(ValueAfterSeparator, ReadsZeroWithoutMarkerOrValue) {
  EXPECT_EQ(valueAfterSeparator("Timestep 0.5", "="), 0.0);
  EXPECT_EQ(valueAfterSeparator("Timestep =5", "="), 0.0);
  EXPECT_EQ(valueAfterSeparator("Timestep =", "="), 0.0);
  EXPECT_EQ(valueAfterSeparator("Type 1 has Mass 2", "mass"), 0.0); // case-sensitive
}

TEST(ValueAfterSeparator, UsesTheFirstMarker) {
  EXPECT_EQ(valueAfterSeparator("a = 1 = 2", "="), 1.0);
}

TEST(TextAfterSeparator, ReturnsTheTextFromTheSecondCharacterAfterTheMarker) {
  EXPECT_EQ(textAfterSeparator("Gravity = 0.05", "="), "0.05");
  EXPECT_EQ(textAfterSeparator("Type 0 has mass 12", "mass"), "12");
  EXPECT_EQ(textAfterSeparator("no marker", "="), "");
  EXPECT_EQ(textAfterSeparator("ends =", "="), "");
  EXPECT_EQ(textAfterSeparator("ends =x", "="), "");
}

TEST(SplitAtSeparator, SplitsAtTheFirstOccurrence) {
  std::string head, rest;
  splitAtSeparator("1, 2, 3", ",", head, rest);
  EXPECT_EQ(head, "1");
  EXPECT_EQ(rest, " 2, 3");
  splitAtSeparator("a::b::c", "::", head, rest);
  EXPECT_EQ(head, "a");
  EXPECT_EQ(rest, "b::c");
  splitAtSeparator(",x", ",", head, rest);
  EXPECT_EQ(head, "");
  EXPECT_EQ(rest, "x");
}

TEST(SplitAtSeparator, WithoutOccurrenceHeadIsTheWholeText) {
  std::string head = "old", rest = "old";
  splitAtSeparator("12.5", ",", head, rest);
  EXPECT_EQ(head, "12.5");
  EXPECT_EQ(rest, "");
  splitAtSeparator("ab", "abc", head, rest); // a separator longer than the text
  EXPECT_EQ(head, "ab");
  EXPECT_EQ(rest, "");
  splitAtSeparator("a,b", "", head, rest);
  EXPECT_EQ(head, "a,b");
  EXPECT_EQ(rest, "");
}

TEST(ParseNumberList, FillsSlotsFromTheLeft) {
  std::array<double, 5> values{9, 9, 9, 9, 9};
  int count = -1;
  parseNumberList("1, 2.5,-3", ",", values.data(), 5, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(values, (std::array<double, 5>{1, 2.5, -3, 9, 9}));
}

TEST(ParseNumberList, CommasAndEmptyLines) {
  std::array<double, 4> values{9, 9, 9, 9};
  int count = -1;
  parseNumberList("1,2,", ",", values.data(), 4, count);
  EXPECT_EQ(count, 2); // a trailing comma adds no field
  parseNumberList("5,,7", ",", values.data(), 4, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(values, (std::array<double, 4>{5, 0, 7, 9}));
  parseNumberList("", ",", values.data(), 4, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(values, (std::array<double, 4>{5, 0, 7, 9}));
}

TEST(ParseNumberList, RefusesMoreFieldsThanSlots) {
  std::array<double, 3> values{};
  int count = -1;
  parseNumberList("1,2,3", ",", values.data(), 3, count);
  EXPECT_EQ(count, 3);
  EXPECT_THROW(parseNumberList("1,2,3,4", ",", values.data(), 3, count), std::length_error);
}

TEST(SplitLines, CarriageReturnCrLfAndLineFeedEndLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(splitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(splitLines("\n"), (Lines{""}));
  EXPECT_EQ(splitLines(""), Lines{});
}
