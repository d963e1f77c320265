// What the engine sees of the lid and the barostat: nothing while the lid
// stands at the file's box, the new box after each tick while it moves, and
// the file's box again after a load.
#include "controller_fixture.h"
#include "engine_call_logs.h"

#include "scenario/mod_dorn_dll.h"
#include "scenario/scenario_writer.h"

#include <filesystem>

using engine_calls::kTick;
using simulation::Lid;
using simulation::SimulationController;

namespace {

// two_types.ams: box 20,000 x 16,000 x 12,000, atoms near y = 2,000.
constexpr std::array<double, 6> kCommandsBox{0, 0, 0, 20000, 16000, 12000};
const std::string kTickWithLid = std::string(kTick) + "MD_set_box()\n";

} // namespace

using LidCommands = ControllerTest;

TEST_F(LidCommands, TheLidMovesTheTopOfTheBoxTickByTickAndTheFileBoxStays) {
  startScenario();
  EXPECT_DOUBLE_EQ(controller.lidHeight(), 1.0);
  controller.setLidTarget(0.05);
  EXPECT_DOUBLE_EQ(controller.lidTarget(), SimulationController::kSmallestLid);
  EXPECT_EQ(calls(), "") << "the box goes to the engine between runs only";
  controller.tick();
  EXPECT_EQ(calls(), kTickWithLid);
  std::array<double, 6> moved = kCommandsBox;
  moved[4] -= 5 * Lid::kPace;
  EXPECT_EQ(engine.array("box"), std::vector<double>(moved.begin(), moved.end()));
  EXPECT_EQ(controller.box(), moved);
  EXPECT_EQ(controller.atomFrame().box, moved) << "the large view draws the box as it stands";
  EXPECT_EQ(ModDornDll::boxDims, kCommandsBox) << "the main window keeps drawing the file's box";
  EXPECT_DOUBLE_EQ(controller.lidHeight(), moved[4] / kCommandsBox[4]);
}

TEST_F(LidCommands, AnAtomDeepUnderTheLidHoldsItAndNoBoxIsSent) {
  startScenario();
  ModDornDll::atomCoords[1] = kCommandsBox[4] - 1000.0; // 1,048 deep in the lid's skin
  controller.setLidTarget(0.5);
  controller.tick();
  controller.tick();
  EXPECT_EQ(calls(), std::string(kTick) + kTick);
  EXPECT_EQ(controller.box(), kCommandsBox);
  EXPECT_NE(controller.lidHold(), "");
  ModDornDll::atomCoords[1] = 2000.0;
  controller.tick();
  EXPECT_EQ(calls(), kTickWithLid);
  EXPECT_EQ(controller.lidHold(), "");
}

TEST_F(LidCommands, ALoadPutsTheLidBackAtTheFilesBoxWithoutAnExtraCall) {
  startScenario();
  controller.setLidTarget(0.5);
  for (int tick = 0; tick < 3; ++tick)
    controller.tick();
  ASSERT_LT(controller.lidHeight(), 1.0);
  controller.load(dataFile("two_types.ams"));
  EXPECT_EQ(calls().find("MD_set_box()\nMD_set_box()"), std::string::npos)
      << "the loader's own box only";
  EXPECT_DOUBLE_EQ(controller.lidHeight(), 1.0);
  EXPECT_DOUBLE_EQ(controller.lidTarget(), 1.0);
  EXPECT_EQ(controller.box(), kCommandsBox);
  controller.tick();
  EXPECT_EQ(calls(), kTick);
}

TEST_F(LidCommands, TheSnapshotHoldsTheCompressedBoxAndLoadsBackSo) {
  startScenario();
  controller.setLidTarget(0.5);
  for (int tick = 0; tick < 4; ++tick)
    controller.tick();
  const auto box = controller.box();
  ASSERT_LT(box[4], kCommandsBox[4]);
  const ModDornDll::ScenarioData snapshot = controller.snapshot();
  EXPECT_EQ(snapshot.box, box);
  const auto path = std::filesystem::temp_directory_path() / "corvanta-lid-snapshot.ams";
  ModDornDll::writeScenarioFile(path.string(), snapshot);
  controller.load(path.string());
  std::filesystem::remove(path);
  EXPECT_EQ(ModDornDll::boxDims, box);
  EXPECT_EQ(controller.box(), box);
  EXPECT_DOUBLE_EQ(controller.lidHeight(), 1.0) << "the snapshot's box is its file's box";
}

TEST_F(LidCommands, HoldingAPressureIsReleasedByAHandOnTheLid) {
  startScenario();
  EXPECT_FALSE(controller.gaugePressure().has_value()) << "nothing measured yet";
  controller.holdPressure(2e-9);
  ASSERT_TRUE(controller.heldPressure().has_value());
  EXPECT_EQ(*controller.heldPressure(), 2e-9);
  controller.load(dataFile("two_types.ams"));
  EXPECT_TRUE(controller.heldPressure().has_value()) << "held across a new start";
  controller.setLidTarget(0.8);
  EXPECT_FALSE(controller.heldPressure().has_value());
  controller.holdPressure(std::nullopt);
  EXPECT_FALSE(controller.heldPressure().has_value());
}
