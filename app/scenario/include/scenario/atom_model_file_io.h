// Text routines of the scenario format: the value after a marker, splitting
// at a separator, number lists, and reading a number from text.
#pragma once

#include <string>
#include <string_view>

namespace AtomModelFileIO {

// The number after the first occurrence of marker, skipping the one character
// right after it; 0 when the marker is missing or nothing follows.
double valueAfterSeparator(std::string_view text, std::string_view marker);
// The text from the second character after the marker to the end; empty when
// the marker does not occur.
std::string textAfterSeparator(std::string_view text, std::string_view marker);
// Text before the first separator into head, everything after it into rest;
// without a separator (or with an empty one) head is the whole text and rest
// empty.
void splitAtSeparator(std::string_view text, std::string_view separator, std::string &head,
                      std::string &rest);
// Reads one number per field into values[0..]; count receives the number of
// fields. Throws std::length_error past maxValues fields (before writing past
// them), std::range_error as readNumber does.
void parseNumberList(std::string_view text, std::string_view separator, double *values,
                     int maxValues, int &count);
// The number at the start of text (blanks, tabs and line feeds skipped
// anywhere; sign, decimals with ".", E or D exponent, &H and &O prefixes);
// 0 when there is none, and 0 for a number too small for a double. Throws
// std::range_error for a number too large for a double.
double readNumber(std::string_view text);

} // namespace AtomModelFileIO
