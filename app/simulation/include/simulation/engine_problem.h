// An engine that cannot be used, as the windows report it: they run their
// engine-using steps through here and need no part of the engine binding.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace simulation {

// Runs `step`. When the engine cannot be used (its library or one of its
// functions is missing), returns the message that says so and names the
// folder searched for the library; otherwise nullopt. Other exceptions pass
// through.
std::optional<std::string> engineProblemIn(const std::function<void()> &step);

} // namespace simulation
