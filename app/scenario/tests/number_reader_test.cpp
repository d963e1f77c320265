#include "scenario/atom_model_file_io.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using AtomModelFileIO::readNumber;

TEST(NumberReader, ReadsSignedDecimals) {
  EXPECT_EQ(readNumber("42"), 42.0);
  EXPECT_EQ(readNumber("-3.5"), -3.5);
  EXPECT_EQ(readNumber("+2"), 2.0);
  EXPECT_EQ(readNumber(".25"), 0.25);
  EXPECT_EQ(readNumber("5."), 5.0);
  EXPECT_EQ(readNumber("-.5"), -0.5);
}

TEST(NumberReader, SkipsBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(readNumber("   7"), 7.0);
  EXPECT_EQ(readNumber(" 1 2\t3\n.5"), 123.5);
  EXPECT_EQ(readNumber("- 7"), -7.0);
  EXPECT_EQ(readNumber("1 E 3"), 1000.0);
  EXPECT_EQ(readNumber("& H 1 F"), 31.0);
}

TEST(NumberReader, StopsAtTheFirstCharacterThatCannotContinue) {
  EXPECT_EQ(readNumber("12abc"), 12.0);
  EXPECT_EQ(readNumber("1.2.3"), 1.2);
  EXPECT_EQ(readNumber("1-2"), 1.0);
  EXPECT_EQ(readNumber("--5"), 0.0);
  EXPECT_EQ(readNumber("3\r4"), 3.0); // a carriage return is not skipped
}

TEST(NumberReader, DecimalCommaIsNotADecimalPoint) {
  EXPECT_EQ(readNumber("0,5"), 0.0);
  EXPECT_EQ(readNumber("2,5"), 2.0);
}

TEST(NumberReader, TextWithoutANumberReadsAsZero) {
  for (const char *text : {"", "abc", "-", "+", ".", "-.", "E5", "\t \n", "**** End Of File ****"})
    EXPECT_EQ(readNumber(text), 0.0) << '"' << text << '"';
}

TEST(NumberReader, ReadsExponentsAfterEOrD) {
  EXPECT_EQ(readNumber("1.5E3"), 1500.0);
  EXPECT_EQ(readNumber("1.5D3"), 1500.0);
  EXPECT_EQ(readNumber("1.5e3"), 1500.0);
  EXPECT_EQ(readNumber("1.5d3"), 1500.0);
  EXPECT_EQ(readNumber("25E-2"), 0.25);
  EXPECT_EQ(readNumber("2E+2"), 200.0);
  EXPECT_EQ(readNumber("-4D-1"), -0.4);
}

TEST(NumberReader, ExponentLetterWithoutDigitsEndsTheNumber) {
  EXPECT_EQ(readNumber("7E"), 7.0);
  EXPECT_EQ(readNumber("7E+"), 7.0);
  EXPECT_EQ(readNumber("7Ex"), 7.0);
  EXPECT_EQ(readNumber("7D-y"), 7.0);
}

TEST(NumberReader, ReadsHexadecimalAndOctalWholeNumbers) {
  EXPECT_EQ(readNumber("&H1F"), 31.0);
  EXPECT_EQ(readNumber("&hff"), 255.0);
  EXPECT_EQ(readNumber("&O17"), 15.0);
  EXPECT_EQ(readNumber("&o7"), 7.0);
  EXPECT_EQ(readNumber("&H1G"), 1.0);
  EXPECT_EQ(readNumber("&O18"), 1.0);
  EXPECT_EQ(readNumber("&H"), 0.0);
  EXPECT_EQ(readNumber("&X1"), 0.0);
  EXPECT_EQ(readNumber("&H10.5"), 16.0);
}

TEST(NumberReader, NumbersBeyondTheDoublesAreAnError) {
  EXPECT_THROW(readNumber("1E400"), std::range_error);
  EXPECT_THROW(readNumber("-1D309"), std::range_error);
  EXPECT_THROW(readNumber("1" + std::string(400, '0')), std::range_error);
  EXPECT_THROW(readNumber("0.5E99999999999"), std::range_error);
  EXPECT_THROW(readNumber("&H" + std::string(300, 'F')), std::range_error);
  EXPECT_EQ(readNumber("1.7976931348623157E308"), 1.7976931348623157e308);
}

TEST(NumberReader, NumbersTooSmallForTheDoublesReadAsZero) {
  EXPECT_EQ(readNumber("1E-400"), 0.0);
  EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1E2"), 0.0);
  EXPECT_EQ(readNumber("0E99999"), 0.0);
  EXPECT_EQ(readNumber("0.001E309"), 1e306);
}
