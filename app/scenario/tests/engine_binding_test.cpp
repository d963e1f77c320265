#include "fake_engine_client.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>

namespace {

double partialEngineGravity() {
  void *handle = dlopen(PARTIAL_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
  const auto read = reinterpret_cast<double (*)()>(dlsym(handle, "partial_engine_gravity"));
  const double value = read();
  dlclose(handle);
  return value;
}

std::string messageOf(void (*call)()) {
  try {
    call();
  } catch (const Pavex::EngineError &error) {
    return error.what();
  }
  return "no EngineError";
}

} // namespace

TEST(EngineBinding, LooksForTheLibraryBesideTheExecutable) {
  const auto executable = std::filesystem::read_symlink("/proc/self/exe");
  Pavex::useLibrary((executable.parent_path() / "libPavex.so").string());
  EXPECT_EQ(Pavex::libraryPath(), (executable.parent_path() / "libPavex.so").string());
}

TEST(EngineBinding, CallsReachTheLibraryWithTheirArguments) {
  FakeEngine engine;
  std::array<double, 6> box{};
  std::int32_t count = 0;
  EXPECT_EQ(Pavex::MD_init(3, 2, 1, box.data(), &count), 0);
  Pavex::MD_set_gravity(0.25);
  EXPECT_EQ(count, 12);
  EXPECT_EQ(box[3], 300.0);
  EXPECT_EQ(Pavex::MD_get_temperature(), 1.5);
  EXPECT_EQ(engine.log(), "MD_init(3,2,1)\nMD_set_gravity(0.25)\nMD_get_temperature()\n");
}

TEST(EngineBinding, AMissingLibraryIsNamedInTheError) {
  Pavex::useLibrary("/nonexistent/folder/libPavex.so");
  const std::string message = messageOf([] { Pavex::MD_free_all(); });
  EXPECT_NE(message.find("/nonexistent/folder/libPavex.so"), std::string::npos) << message;
}

TEST(EngineBinding, AMissingFunctionIsNamedInTheError) {
  Pavex::useLibrary(PARTIAL_ENGINE_PATH);
  Pavex::MD_set_gravity(0.125);
  EXPECT_EQ(partialEngineGravity(), 0.125);
  const std::string message = messageOf([] { Pavex::MD_do_run(5); });
  EXPECT_NE(message.find("MD_do_run"), std::string::npos) << message;
  EXPECT_NE(message.find(PARTIAL_ENGINE_PATH), std::string::npos) << message;
}

TEST(EngineBinding, ChoosingAnotherLibraryRebindsFunctionsAlreadyLookedUp) {
  Pavex::useLibrary(PARTIAL_ENGINE_PATH);
  Pavex::MD_set_gravity(1.0);
  {
    FakeEngine engine;
    Pavex::MD_set_gravity(2.0);
    EXPECT_EQ(engine.log(), "MD_set_gravity(2)\n");
  }
  Pavex::useLibrary(PARTIAL_ENGINE_PATH);
  Pavex::MD_set_gravity(3.0);
  EXPECT_EQ(partialEngineGravity(), 3.0);
}
