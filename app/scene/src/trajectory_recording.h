// Recording the running simulation's frames to an extended-XYZ file: every
// K-th frame the window shows, from the coordinates the loop fetched.
#pragma once

#include "scenario/trajectory_writer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace scene {

class TrajectoryRecording {
public:
  // Opens the file and writes the current frame, in real units when the
  // running scenario has a material card. Throws ModDornDll::SaveError when
  // the file cannot be written.
  TrajectoryRecording(const std::string &path, int every, std::int64_t step,
                      const std::optional<ModDornDll::MaterialCard> &card);
  // A frame was shown; every K-th one is written. Throws ModDornDll::SaveError
  // when the file cannot take it any more.
  void frameShown(std::int64_t step);
  const std::string &path() const { return writer_.path(); }
  int framesWritten() const { return written_; }

private:
  void write(std::int64_t step);

  ModDornDll::TrajectoryWriter writer_;
  int every_;
  int shown_ = 0;
  int written_ = 0;
};

} // namespace scene
