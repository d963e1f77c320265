#include "fake_engine_client.h"
#include "file_text.h"
#include "line_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <unistd.h>

using namespace ModDornDll;

using scenario_testing::readText;

namespace {

std::string dataFile(const std::string &name) {
  return std::string(SCENARIO_TEST_DATA) + "/" + name;
}

std::string writeTemporary(const std::string &name, const std::string &text) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("corvanta-" + std::to_string(::getpid()) + "-" + name);
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

// Everything the loader may change on the program's side.
struct ProgramState {
  std::int32_t numAtoms, numTypes, cellsX, cellsY, cellsZ, clampOn, frameCount;
  std::array<double, 6> boxDims;
  double temperature, gravity, timeStep;
  std::vector<double> atomCoords, atomVelocities, atomMasses, potentialParams;
  std::vector<std::int32_t> atomTypes;
  std::vector<std::int16_t> drawOrder;
  bool operator==(const ProgramState &) const = default;
};

ProgramState programState() {
  return {numAtoms,       numTypes,   cellsX,          cellsY,    cellsZ,   clampOn,
          frameCount,     boxDims,    temperature,     gravity,   timeStep, atomCoords,
          atomVelocities, atomMasses, potentialParams, atomTypes, drawOrder};
}

class ScenarioLoader : public ::testing::Test {
protected:
  void load(const std::string &name) { loadScenarioFile(dataFile(name)); }
  FakeEngine engine;
};

// Atom k of the test files sits at (1000(k+1), 2000+k, 3000+k) with velocity
// (k/2, -k/4, k), mass k+1 and type k mod 2.
void expectTestAtom(int slot, int k) {
  const std::vector<double> coords(atomCoords.begin() + 3 * slot,
                                   atomCoords.begin() + 3 * slot + 3);
  EXPECT_EQ(coords, (std::vector<double>{1000.0 * (k + 1), 2000.0 + k, 3000.0 + k})) << slot;
  const std::vector<double> velocity(atomVelocities.begin() + 3 * slot,
                                     atomVelocities.begin() + 3 * slot + 3);
  EXPECT_EQ(velocity, (std::vector<double>{0.5 * k, -0.25 * k, 1.0 * k})) << slot;
  EXPECT_EQ(atomMasses[slot], k + 1.0) << slot;
  EXPECT_EQ(atomTypes[slot], k % 2) << slot;
}

const char *const kLoadSequence = "MD_init(2,1,1)\n"
                                  "MD_set_clamp_on_off(1)\n"
                                  "MD_set_coordinates()\n"
                                  "MD_set_velocity()\n"
                                  "MD_set_potential_function(2)\n"
                                  "MD_set_clamp_on_off(1)\n"
                                  "MD_set_temperature(100)\n"
                                  "MD_set_clamp_temp(100)\n"
                                  "MD_set_gravity(0.05)\n"
                                  "MD_set_timestep(1)\n"
                                  "MD_set_box()\n"
                                  "MD_set_atom_properties()\n";

} // namespace

TEST_F(ScenarioLoader, ReadsEveryValueOfTheFile) {
  clampOn = 1;
  load("two_types.ams");
  EXPECT_EQ(numAtoms, 4);
  EXPECT_EQ(numTypes, 2);
  EXPECT_EQ(cellsX, 2);
  EXPECT_EQ(temperature, 100.0);
  EXPECT_EQ(gravity, 0.05);
  EXPECT_EQ(timeStep, 1.0);
  EXPECT_EQ(boxDims, (std::array<double, 6>{0, 0, 0, 20000, 16000, 12000}));
  EXPECT_EQ(potentialParams,
            (std::vector<double>{1024, 1, 1412, 2048, 512, 1.5, 1300, 1900, 256, 2, 1200, 1800}));
  for (int k = 0; k < 4; ++k)
    expectTestAtom(k, k);
  EXPECT_EQ(atomCoords.size(), 13u);
  EXPECT_EQ(atomCoords.back(), 0.0);
  EXPECT_EQ(drawOrder, (std::vector<std::int16_t>{0, 1, 2, 3, 0}));
}

TEST_F(ScenarioLoader, HandsTheSetUpToTheEngineInItsFixedOrder) {
  clampOn = 1;
  load("two_types.ams");
  EXPECT_EQ(engine.log(), kLoadSequence);
  EXPECT_EQ(engine.array("coordinates"),
            std::vector<double>(atomCoords.begin(), atomCoords.end() - 1));
  EXPECT_EQ(engine.array("velocities"),
            std::vector<double>(atomVelocities.begin(), atomVelocities.end() - 1));
  EXPECT_EQ(engine.array("params"), potentialParams);
  EXPECT_EQ(engine.array("box"), std::vector<double>(boxDims.begin(), boxDims.end()));
  EXPECT_EQ(engine.array("masses"), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(engine.array("types"), (std::vector<double>{0, 1, 0, 1}));
}

TEST_F(ScenarioLoader, MakesEveryCallEvenWhenTheEngineReportsErrors) {
  clampOn = 1;
  engine.failAll(true);
  load("two_types.ams");
  EXPECT_EQ(engine.log(), kLoadSequence);
}

TEST_F(ScenarioLoader, AnEmptyFileNameChangesNothing) {
  load("two_types.ams");
  engine.clearLog();
  const ProgramState before = programState();
  loadScenarioFile("");
  EXPECT_EQ(programState(), before);
  EXPECT_EQ(engine.log(), "");
}

TEST_F(ScenarioLoader, OddAtomCountsGiveAnEvenNumberOfAtoms) {
  load("odd_count_5.ams");
  EXPECT_EQ(numAtoms, 4);
  EXPECT_EQ(engine.log().substr(0, 15), "MD_init(2,1,1)\n");
  load("odd_count_7.ams");
  EXPECT_EQ(numAtoms, 8);
  EXPECT_EQ(cellsX, 4);
  expectTestAtom(7, 7);
}

TEST_F(ScenarioLoader, AMissingAtomLineRepeatsThePreviousAtom) {
  load("missing_atom_line.ams");
  EXPECT_EQ(numAtoms, 4);
  expectTestAtom(2, 2);
  expectTestAtom(3, 2);
}

TEST_F(ScenarioLoader, LabelsAreNotChecked) {
  load("swapped_lines.ams");
  EXPECT_EQ(temperature, 0.05);
  EXPECT_EQ(gravity, 100.0);
}

TEST_F(ScenarioLoader, TheCharacterAfterTheMarkerIsDropped) {
  load("dropped_character.ams"); // "Number of atoms =14"
  EXPECT_EQ(numAtoms, 4);
}

TEST_F(ScenarioLoader, KeyLinesWithoutAReadableValueReadAsZero) {
  load("key_line_quirks.ams");
  EXPECT_EQ(temperature, 0.0); // one character after the marker
  EXPECT_EQ(gravity, 0.0);     // a decimal comma
  EXPECT_EQ(timeStep, 0.0);    // no marker
  EXPECT_EQ(boxDims, (std::array<double, 6>{0, 0, 0, 20000, 0, 0}));
}

TEST_F(ScenarioLoader, AnAtomOnTheBoxLimitsCountsAsInside) {
  auto lines = AtomModelFileIO::splitLines(readText(dataFile("two_types.ams")));
  lines[16] = "0, 0, 16000, 12000, 0, 0, 0, 1, 0";
  lines[17] = "1, 20000, 0, 0, 0, 0, 0, 2, 1";
  std::string text;
  for (const auto &line : lines)
    text += line + "\r\n";
  loadScenarioFile(writeTemporary("limits.ams", text));
  EXPECT_EQ(std::vector<double>(atomCoords.begin(), atomCoords.begin() + 6),
            (std::vector<double>{0, 16000, 12000, 20000, 0, 0}));
}

TEST_F(ScenarioLoader, AShortPairLineKeepsTheFourthNumberOfTheLineBefore) {
  load("three_number_pair.ams");
  EXPECT_EQ(std::vector<double>(potentialParams.begin() + 4, potentialParams.begin() + 8),
            (std::vector<double>{512, 1.5, 1300, 1900}));
  load("first_pair_three_numbers.ams");
  EXPECT_EQ(potentialParams, (std::vector<double>{1024, 1, 1412, 0}));
}

TEST_F(ScenarioLoader, FieldsBeyondThoseUsedAreIgnored) {
  load("extra_fields.ams");
  EXPECT_EQ(std::vector<double>(potentialParams.begin(), potentialParams.begin() + 8),
            (std::vector<double>{1024, 1, 1412, 2048, 512, 1.5, 1300, 1900}));
  for (int k = 0; k < 4; ++k)
    expectTestAtom(k, k);
}

TEST_F(ScenarioLoader, ReadsExponentsAndHexadecimal) {
  load("exponents.ams");
  EXPECT_EQ(temperature, 150.0);
  EXPECT_EQ(gravity, 0.05);
  EXPECT_EQ(timeStep, 0.25);
  EXPECT_EQ(boxDims, (std::array<double, 6>{0, 0, 0, 20000, 16000, 12000}));
  EXPECT_EQ(std::vector<double>(potentialParams.begin(), potentialParams.begin() + 4),
            (std::vector<double>{1024, 1, 1412, 2048}));
  EXPECT_EQ(std::vector<double>(atomCoords.begin(), atomCoords.begin() + 3),
            (std::vector<double>{1500, 1500, 1500}));
}

TEST_F(ScenarioLoader, ATemperatureAboveTheMaximumIsHandedOnUnchanged) {
  load("hot.ams");
  EXPECT_NE(engine.log().find("MD_set_temperature(2500)\nMD_set_clamp_temp(2500)\n"),
            std::string::npos);
  EXPECT_EQ(engine.array("velocities"),
            (std::vector<double>{3, 0, 1.5, 4, -2, 1.5, 5, -4, 1.5, 6, -6, 1.5}));
}

TEST_F(ScenarioLoader, CarriageReturnsLineFeedsOrBothEndLines) {
  const std::string crLf = readText(dataFile("two_types.ams"));
  load("two_types.ams");
  const ProgramState expected = programState();
  for (const char *terminator : {"\r", "\n"}) {
    std::string text;
    for (const auto &line : AtomModelFileIO::splitLines(crLf))
      text += line + terminator;
    loadScenarioFile(writeTemporary("endings.ams", text));
    EXPECT_EQ(programState(), expected) << (terminator[0] == '\r' ? "CR" : "LF");
  }
}

TEST_F(ScenarioLoader, TakesTheLargestAtomCountTheLayoutAllows) {
  auto lines = AtomModelFileIO::splitLines(readText(dataFile("two_types.ams")));
  lines[1] = "Number of atoms = 10922";
  lines.resize(16);
  std::string text;
  for (const auto &line : lines)
    text += line + "\r\n";
  for (int k = 0; k < 10922; ++k)
    text += std::to_string(k) + ", 1, 2, 3, 0, 0, 0, 1, 0\r\n";
  loadScenarioFile(writeTemporary("largest.ams", text));
  EXPECT_EQ(numAtoms, 10922);
  EXPECT_EQ(atomCoords.size(), 32767u);
}

// A file that breaks one rule of the layout: the line it replaces (from 1),
// the new text, or the number of lines it keeps when it cuts the file short.
struct BrokenFile {
  const char *name;
  int line;
  std::string text;
  const char *expected;
};

class BrokenScenario : public ::testing::TestWithParam<BrokenFile> {
protected:
  FakeEngine engine;
};

TEST_P(BrokenScenario, IsRefusedAndChangesNothing) {
  const BrokenFile &broken = GetParam();
  auto lines = AtomModelFileIO::splitLines(readText(dataFile("two_types.ams")));
  if (broken.text.empty())
    lines.resize(broken.line - 1);
  else
    lines[broken.line - 1] = broken.text;
  std::string text;
  for (const auto &line : lines)
    text += line + "\r\n";
  const std::string path = writeTemporary(std::string(broken.name) + ".ams", text);

  loadScenarioFile(dataFile("two_types.ams"));
  engine.clearLog();
  const ProgramState before = programState();
  try {
    loadScenarioFile(path);
    ADD_FAILURE() << "loaded without error";
  } catch (const ScenarioError &error) {
    const std::string message = error.what();
    EXPECT_EQ(message.rfind(path + ", line " + std::to_string(broken.line) + ": ", 0), 0u)
        << message;
    EXPECT_NE(message.find(broken.expected), std::string::npos) << message;
  }
  EXPECT_EQ(programState(), before);
  EXPECT_EQ(engine.log(), "");
  std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, BrokenScenario,
    ::testing::Values(
        BrokenFile{"EndsBeforeTheAtoms", 17, "", "the file ends here; expected the line of atom 0"},
        BrokenFile{"EndsInTheHeader", 6, "", "the file ends here; expected the time step"},
        BrokenFile{"TooManyFields", 18, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22",
                   "at most 21 comma-separated fields"},
        BrokenFile{"LineTooLong", 7, std::string(32768, 'x'), "at most 32,767 characters"},
        BrokenFile{"TooManyAtoms", 2, "Number of atoms = 10923", "from 2 to 10,922"},
        BrokenFile{"NoAtoms", 2, "Number of atoms = 1", "from 2 to 10,922"},
        BrokenFile{"AtomCountBeyond32Bits", 2, "Number of atoms = 3E9", "within the 32-bit range"},
        BrokenFile{"NoTypes", 3, "Number of types = 0", "a type count from 1 to 127"},
        BrokenFile{"TooManyTypes", 3, "Number of types = 128", "a type count from 1 to 127"},
        BrokenFile{"NumberBeyondTheDoubles", 4, "Temperature = 1E400", "no larger than"},
        BrokenFile{"KeyLineEndsAtItsMarker", 5, "Gravity =", "ends at its \"=\""},
        BrokenFile{"BoxNumberBeyondTheDoubles", 9, "box max dimensions = 1, 1D999, 1",
                   "no larger than"},
        BrokenFile{"ReferenceDistanceEqualsCutOff", 14, "512, 1, 1900, 1900",
                   "different from the reference distance C for the types (1, 0)"},
        BrokenFile{"TypeAboveTheTypeCount", 19, "2, 3000, 2002, 3002, 1, -0.5, 2, 3, 2",
                   "an atom type from 0 to 1, found 2"},
        BrokenFile{"NegativeType", 17, "0, 1000, 2000, 3000, 0, 0, 0, 1, -1",
                   "an atom type from 0 to 1, found -1"},
        BrokenFile{"TypeBeyond32Bits", 17, "0, 1000, 2000, 3000, 0, 0, 0, 1, 1E10",
                   "within the 32-bit range"},
        BrokenFile{"ZeroMass", 20, "3, 4000, 2003, 3003, 1.5, -0.75, 3, 0, 1",
                   "a positive finite mass for atom 3, found 0"},
        BrokenFile{"NegativeMass", 18, "1, 2000, 2001, 3001, 0.5, -0.25, 1, -2, 1",
                   "a positive finite mass for atom 1, found -2"},
        BrokenFile{"MassBeyondTheDoubles", 18, "1, 2000, 2001, 3001, 0.5, -0.25, 1, 1E999, 1",
                   "no larger than"},
        BrokenFile{"AtomLeftOfTheBox", 17, "0, -0.5, 2000, 3000, 0, 0, 0, 1, 0",
                   "atom 0's x within the box, 0 to "},
        BrokenFile{"AtomAboveTheBox", 19, "2, 3000, 2002, 1E300, 1, -0.5, 2, 3, 0",
                   "atom 2's z within the box, 0 to "}),
    [](const ::testing::TestParamInfo<BrokenFile> &info) { return info.param.name; });

TEST_F(ScenarioLoader, AFileThatCannotBeOpenedIsRefusedAndChangesNothing) {
  load("two_types.ams");
  engine.clearLog();
  const ProgramState before = programState();
  for (const std::string &path : {dataFile("no-such-file.ams"), std::string(SCENARIO_TEST_DATA)}) {
    try {
      loadScenarioFile(path);
      ADD_FAILURE() << "loaded " << path;
    } catch (const ScenarioError &error) {
      EXPECT_EQ(std::string(error.what()).rfind(path + ": cannot open the scenario file", 0), 0u)
          << error.what();
    }
  }
  EXPECT_EQ(programState(), before);
  EXPECT_EQ(engine.log(), "");
}
