// The engine calls the window makes through the controller at the ends of a
// run: the program's start-up values, the first frame after a start, the
// release at exit, and the message for an engine that cannot be used.
#include "controller_fixture.h"
#include "engine_call_logs.h"
#include "simulation/engine_problem.h"

#include "scenario/mod_dorn_dll.h"

#include <stdexcept>
#include <string>

namespace {

using engine_calls::kTick;

constexpr const char *kMissingFolder = "/no-such-folder/for-the-engine";
constexpr int kRunMilliseconds = 20; // long enough that a call not waiting would overlap

using EngineLifetime = ControllerTest;

TEST_F(EngineLifetime, StartUpHandsTheProgramsValuesWhateverALoadLeftBehind) {
  startScenario(); // two types at temperature 100 on a 2 x 1 x 1 lattice
  ModDornDll::gravity = 9.0;
  ModDornDll::clampOn = 0;
  controller.startUp();
  EXPECT_EQ(calls(), engine_calls::kStartUp);
  EXPECT_EQ(ModDornDll::numAtoms, 250);
  EXPECT_EQ(ModDornDll::numTypes, 1);
  EXPECT_EQ(ModDornDll::temperature, 200.0);
}

TEST_F(EngineLifetime, TheFirstFrameIsOneCoordinateFetchAfterTheTickInFlight) {
  startScenario();
  controller.fetchFirstFrame();
  EXPECT_EQ(calls(), "MD_return_coordinates()\n");
  engine.setRunTime(kRunMilliseconds);
  ASSERT_TRUE(controller.startTick());
  controller.fetchFirstFrame();
  EXPECT_EQ(calls(), std::string(kTick) + "MD_return_coordinates()\n");
  EXPECT_EQ(engine.overlaps(), 0);
}

TEST_F(EngineLifetime, ReleasingTheEngineFreesItsAtomsAfterTheTickInFlight) {
  startScenario();
  controller.releaseEngine();
  EXPECT_EQ(calls(), "MD_free_all()\n");
  engine.setRunTime(kRunMilliseconds);
  ASSERT_TRUE(controller.startTick());
  controller.releaseEngine();
  EXPECT_EQ(calls(), std::string(kTick) + "MD_free_all()\n");
  EXPECT_EQ(engine.overlaps(), 0);
}

// The binding to a library that is not there, for one test.
class MissingEngine : public ControllerTest {
protected:
  void SetUp() override { Pavex::useLibrary(std::string(kMissingFolder) + "/./libPavex.so"); }
  void TearDown() override { Pavex::useLibrary(FAKE_ENGINE_PATH); }
};

TEST_F(MissingEngine, ReleasingAnEngineThatNeverLoadedIsNoFault) {
  EXPECT_NO_THROW(controller.releaseEngine());
}

TEST_F(MissingEngine, TheProblemNamesTheLibraryAndTheFolderSearched) {
  const auto problem = simulation::engineProblemIn([this] { controller.startUp(); });
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->rfind("The simulation engine cannot be used:\n", 0), 0u) << *problem;
  EXPECT_NE(problem->find("libPavex.so"), std::string::npos) << *problem;
  const std::string folder = std::string("\n\nFolder searched: ") + kMissingFolder;
  EXPECT_EQ(problem->substr(problem->size() - folder.size()), folder);
}

TEST(EngineProblem, AStepThatWorksHasNoProblemAndOtherFaultsPassThrough) {
  int runs = 0;
  EXPECT_FALSE(simulation::engineProblemIn([&runs] { ++runs; }).has_value());
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(simulation::engineProblemIn([] { throw std::out_of_range("too many atoms"); }),
               std::out_of_range);
}

} // namespace
