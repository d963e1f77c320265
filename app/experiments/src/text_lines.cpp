#include "text_lines.h"

#include "experiments/experiment_reader.h"

namespace experiments {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr unsigned char kDelete = 0x7F;

// The length of the UTF-8 sequence at the start of bytes, or 0 when it is
// not a well-formed one (overlong forms, surrogates and code points beyond
// U+10FFFF are not).
std::size_t sequenceLength(std::string_view bytes) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF; // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else
    return 0;
  if (bytes.size() < length || byte(1) < low || byte(1) > high)
    return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(k) < 0x80 || byte(k) > 0xBF)
      return 0;
  return length;
}

bool isControl(unsigned char c) { return (c < 0x20 && c != '\t') || c == kDelete; }

} // namespace

std::optional<std::string> lineFault(std::string_view line) {
  if (line.size() > kLongestLineBytes)
    return "the line is longer than " + std::to_string(kLongestLineBytes) + " bytes";
  if (line.find('\0') != std::string_view::npos)
    return "the line holds a NUL byte";
  for (std::size_t k = 0; k < line.size();) {
    if (isControl(static_cast<unsigned char>(line[k])))
      return "the line holds a control character";
    const std::size_t length = sequenceLength(line.substr(k));
    if (length == 0)
      return "the line is not valid UTF-8 text";
    k += length;
  }
  return std::nullopt;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

} // namespace experiments
