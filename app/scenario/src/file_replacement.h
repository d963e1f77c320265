// Writing a file so that a failure leaves what was there before.
#pragma once

#include <string>

namespace ModDornDll {

// Writes `text` to a temporary file beside `path` and renames it over `path`
// once it is complete; the file keeps its mode. Throws SaveError naming the
// file and the cause.
void replaceFile(const std::string &path, const std::string &text);

} // namespace ModDornDll
