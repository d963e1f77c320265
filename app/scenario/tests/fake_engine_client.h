// Test access to the recording fake engine: binds the program to it and
// reads back what it recorded.
#pragma once

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>
#include <vector>

class FakeEngine {
public:
  FakeEngine() {
    Pavex::useLibrary(FAKE_ENGINE_PATH);
    handle_ = dlopen(FAKE_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
      throw std::runtime_error(dlerror());
    clearLog();
    failAll(false);
    setRunTime(0);
  }
  ~FakeEngine() { dlclose(handle_); }
  FakeEngine(const FakeEngine &) = delete;
  FakeEngine &operator=(const FakeEngine &) = delete;

  std::string log() const { return function<const char *()>("fake_pavex_log")(); }
  void clearLog() const { function<void()>("fake_pavex_clear_log")(); }
  void failAll(bool on) const { function<void(int)>("fake_pavex_fail_all")(on ? 1 : 0); }
  // How long each MD_do_run takes from now on.
  void setRunTime(int milliseconds) const {
    function<void(int)>("fake_pavex_set_run_time")(milliseconds);
  }
  // Calls that reached the engine while a run was going on.
  int overlaps() const { return function<int()>("fake_pavex_overlaps")(); }

  // The last array of this name that the program handed in.
  std::vector<double> array(const char *name) const {
    auto copy = function<int(const char *, double *, int)>("fake_pavex_array");
    std::vector<double> values(static_cast<std::size_t>(copy(name, nullptr, 0)));
    copy(name, values.data(), static_cast<int>(values.size()));
    return values;
  }

private:
  template <typename Fn> Fn *function(const char *name) const {
    return reinterpret_cast<Fn *>(dlsym(handle_, name));
  }

  void *handle_ = nullptr;
};
