// A lesson file's bytes as lines, with the limits that keep a hostile file
// harmless: its length, each line's length, valid UTF-8 and no control
// characters but the tab.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace experiments {

// What is wrong with one line (without its line end), or nullopt.
std::optional<std::string> lineFault(std::string_view line);

// The lines of a text, each without its LF or CR LF; a UTF-8 byte order mark
// at its start is dropped.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace experiments
