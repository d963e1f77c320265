// A file replaced only once its new text is complete.
#include "file_replacement.h"

#include "scenario/scenario_writer.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ModDornDll {
namespace {

[[noreturn]] void failSaving(const std::string &path, int error) {
  throw SaveError(path + ": cannot be saved (" + std::strerror(error) +
                  "); any file there is left as it was.");
}

// The file's mode stays as it was; a new file gets what the umask allows.
mode_t modeFor(const std::string &path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0)
    return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, const std::string &text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0;
}

} // namespace

void replaceFile(const std::string &path, const std::string &text) {
  const std::filesystem::path target(path);
  const auto folder = target.has_parent_path() ? target.parent_path() : ".";
  // A hidden name beside the file: ".NAME.XXXXXX".
  std::string hidden = target.filename().string();
  hidden.insert(0, 1, '.');
  hidden += ".XXXXXX";
  std::string temporary = (folder / hidden).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0)
    failSaving(path, errno);
  const bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, text);
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.c_str());
    failSaving(path, error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    failSaving(path, error);
  }
}

} // namespace ModDornDll
