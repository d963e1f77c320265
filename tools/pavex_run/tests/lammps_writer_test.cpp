// The LAMMPS deck's files as text: the pair table against the potential's
// known values and its own derivative, the data file's counts, types and
// box, and the input script's pair coefficients, gravity, clamp and units.
#include "lammps_data.h"
#include "lammps_input.h"
#include "lammps_table.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace PavexRun;

using PavexRunTest::contains;

namespace {

const PairParameters kDeep{1024.0, 2.0, 1412.0, 2048.0};
const PairParameters kShallow{4096.0, 1.0, 1412.0, 2048.0};

std::vector<std::string> linesOf(const std::string &text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// Three atoms: engine types 0, 1, 1 with masses 4, 1, 2, in a box from
// (-10, 0, 5) to (30000, 20000, 10000), two types with three pairs.
EngineModel threeAtoms() {
  EngineModel model;
  model.coords = {100, 200, 300, 1000.5, 2000.25, 3000.125, 5000, 6000, 7000};
  model.velocities = {1, -2, 3, 0.5, 0, 0, 0, 0, -0.25};
  model.masses = {4, 1, 2};
  model.types = {0, 1, 1};
  model.box = {-10, 0, 5, 30000, 20000, 10000};
  model.typeCount = 2;
  model.pairParams = {1024, 2, 1412, 2048, 512, 1.5, 1300, 1900, 256, 1, 1200, 1800};
  model.settings = {0.0625, 2.0, true, 300.0, "three.ams", 0, std::nullopt};
  return model;
}

} // namespace

TEST(LammpsTable, TheForceIsTheEnergysNegativeSlopeAndItsSlopeTheForcesSlope) {
  const double step = 1e-3;
  for (const PairParameters &pair : {kDeep, kShallow})
    for (const double r : {10.0, 600.0, 1300.0, 1624.0, 2000.0}) {
      const double slope = (pairEnergy(pair, r + step) - pairEnergy(pair, r - step)) / (2 * step);
      EXPECT_NEAR(pairForce(pair, r), -slope, 1e-6 * std::max(1.0, std::abs(slope))) << r;
      const double forceSlope =
          (pairForce(pair, r + step) - pairForce(pair, r - step)) / (2 * step);
      EXPECT_NEAR(pairForceSlope(pair, r), forceSlope, 1e-6 * std::max(1.0, std::abs(forceSlope)))
          << r;
    }
}

TEST(LammpsTable, APairWithoutWidthOrReachIsAZeroTable) {
  const PairParameters flat{1024.0, 2.0, 2048.0, 2048.0};
  const PairParameters none{1024.0, 2.0, 1412.0, 0.0};
  for (const PairParameters &pair : {flat, none}) {
    EXPECT_FALSE(pair.interacts());
    EXPECT_EQ(pairEnergy(pair, 1.0), 0.0);
    EXPECT_EQ(pairForce(pair, 1.0), 0.0);
    EXPECT_EQ(tableReach(pair), 2 * kTableInner);
  }
  // A negative cut-off reaches as far as its size, as in the engine (D² counts).
  EXPECT_EQ(tableReach({1024.0, 2.0, 1412.0, -2048.0}), 2048.0);
  EXPECT_DOUBLE_EQ(pairEnergy({1024.0, 2.0, 1412.0, -2048.0}, 1412.0), -1024.0);
}

TEST(LammpsTable, ASectionHoldsThePotentialAtPointsEvenInRSquared) {
  std::ostringstream out;
  writeTableSection(out, tableSection(1, 0), kShallow, 5);
  const auto lines = linesOf(out.str());
  ASSERT_EQ(lines.size(), 9u); // name, parameters, blank, 5 points, blank
  EXPECT_EQ(lines[0], "PAIR_1_0");
  EXPECT_EQ(lines[1].rfind("N 5 RSQ 0.5 2048 FPRIME ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "");
  double previousSquare = kTableInner * kTableInner;
  for (int i = 0; i < 5; ++i) {
    std::istringstream point(lines[3 + i]);
    int index = 0;
    double r = 0, e = 0, f = 0;
    point >> index >> r >> e >> f;
    EXPECT_EQ(index, i + 1);
    EXPECT_DOUBLE_EQ(e, pairEnergy(kShallow, r));
    EXPECT_DOUBLE_EQ(f, pairForce(kShallow, r));
    if (i > 0) {
      EXPECT_NEAR(r * r - previousSquare, (2048.0 * 2048.0 - 0.25) / 4, 1e-6);
    }
    previousSquare = r * r;
  }
  EXPECT_EQ(lines[7], "5 2048 0 0");
}

TEST(LammpsData, EveryTypeAndMassThatOccurTogetherIsALammpsType) {
  const EngineModel model = threeAtoms();
  const LammpsTypes types = lammpsTypes(model);
  ASSERT_EQ(types.kinds.size(), 3u);
  EXPECT_EQ(types.kinds[0], (std::pair<std::int32_t, double>{0, 4.0}));
  EXPECT_EQ(types.kinds[1], (std::pair<std::int32_t, double>{1, 1.0}));
  EXPECT_EQ(types.kinds[2], (std::pair<std::int32_t, double>{1, 2.0}));
  EXPECT_EQ(types.ofAtom, (std::vector<int>{1, 2, 3}));
}

TEST(LammpsData, WritesCountsBoxMassesAtomsAndVelocities) {
  const EngineModel model = threeAtoms();
  std::ostringstream out;
  writeDataFile(out, model, lammpsTypes(model));
  const std::string text = out.str();
  for (const char *part :
       {"\n3 atoms\n3 atom types\n", "\n-10 30000 xlo xhi\n0 20000 ylo yhi\n5 10000 zlo zhi\n",
        "\nMasses\n\n1 4 # engine type 0\n2 1 # engine type 1\n3 2 # engine type 1\n",
        "\nAtoms # atomic\n\n1 1 100 200 300\n2 2 1000.5 2000.25 3000.125\n3 3 5000 6000 7000\n",
        "\nVelocities\n\n1 1 -2 3\n2 0.5 0 0\n3 0 0 -0.25\n"})
    EXPECT_TRUE(contains(text, part)) << part << "\nnot in\n" << text;
}

TEST(LammpsData, ALineBreakInTheSourceNameCannotStartACommand) {
  EngineModel model = threeAtoms();
  model.settings.source = "odd\nshell rm x\r.ams";
  std::ostringstream data, input;
  writeDataFile(data, model, lammpsTypes(model));
  writeInputScript(input, model, lammpsTypes(model));
  EXPECT_EQ(linesOf(data.str())[0], "LAMMPS data file of odd?shell rm x?.ams after 0 steps, "
                                    "written by pavex-run");
  EXPECT_FALSE(contains(input.str(), "\nshell"));
}

TEST(LammpsData, RefusesModelsLammpsCannotTake) {
  EngineModel noMass = threeAtoms();
  noMass.masses[1] = 0.0;
  EngineModel outsideTable = threeAtoms();
  outsideTable.types[2] = 2;
  EngineModel empty = threeAtoms();
  empty.coords.clear();
  empty.velocities.clear();
  empty.masses.clear();
  empty.types.clear();
  EngineModel manyMasses = threeAtoms();
  for (std::size_t i = 0; i < kMostLammpsTypes; ++i) {
    manyMasses.masses.push_back(10.0 + static_cast<double>(i));
    manyMasses.types.push_back(0);
  }
  for (const EngineModel *model : {&noMass, &outsideTable, &empty, &manyMasses})
    EXPECT_THROW(lammpsTypes(*model), std::runtime_error);
}

TEST(LammpsInput, PairsGravityAndClampFollowTheModel) {
  const EngineModel model = threeAtoms();
  std::ostringstream out;
  writeInputScript(out, model, lammpsTypes(model));
  const std::string text = out.str();
  // LAMMPS types 2 and 3 are both engine type 1: their pairs use (1,1).
  for (const char *part :
       {"\npair_coeff 1 1 pavex.table PAIR_0_0 2048\n",
        "\npair_coeff 1 2 pavex.table PAIR_1_0 1900\n",
        "\npair_coeff 1 3 pavex.table PAIR_1_0 1900\n",
        "\npair_coeff 2 2 pavex.table PAIR_1_1 1800\n",
        "\npair_coeff 2 3 pavex.table PAIR_1_1 1800\n",
        "\npair_coeff 3 3 pavex.table PAIR_1_1 1800\n", "\ntimestep 2\n",
        "\nfix gravity all gravity 0.0625 vector 0 -1 0\n",
        "\nvariable wall_x_lo atom (2038-x)/636\n", "\nvariable wall_z_hi atom (z-7952)/636\n",
        // The clamp holds the mean kinetic energy at 300: a temperature of 200
        // over 3N degrees of freedom, damped over 1 / 0.01 steps.
        "\nfix clamp all temp/berendsen 200 200 200 ", "\nrun ${steps}\n"})
    EXPECT_TRUE(contains(text, part)) << part;
  EngineModel unclamped = threeAtoms();
  unclamped.settings.clampOn = false;
  std::ostringstream without;
  writeInputScript(without, unclamped, lammpsTypes(unclamped));
  EXPECT_FALSE(contains(without.str(), "fix clamp"));
}

// Every line of the note is a comment, so LAMMPS runs the model's units as
// before; the card's sizes are stated for the reader.
TEST(LammpsInput, TheUnitsStayTheModelsAndTheCardSaysHowLargeTheyAre) {
  const EngineModel plain = threeAtoms();
  EngineModel carded = threeAtoms();
  carded.settings.realUnits = analysis::ModelUnits{0.2e-12, 18 * 1.66053906660e-27};
  std::ostringstream without, with;
  writeInputScript(without, plain, lammpsTypes(plain));
  writeInputScript(with, carded, lammpsTypes(carded));
  for (const std::string &text : {without.str(), with.str()}) {
    EXPECT_TRUE(contains(text, "\nunits lj "));
    EXPECT_TRUE(contains(text, "# energy in kelvin (Boltzmann's constant is 1")) << text;
  }
  EXPECT_TRUE(contains(without.str(), "# The scenario has no material card"));
  EXPECT_FALSE(contains(with.str(), "no material card"));
  // One time unit: 0.2 pm * sqrt(18 u / k) = 9.3057e-15 s.
  EXPECT_TRUE(contains(with.str(), "one length unit 2e-13 m, one mass unit\n"
                                   "# 2.98897e-26 kg (18 u) and one time unit 9.3057e-15 s."))
      << with.str();
  for (const std::string &line : linesOf(with.str())) {
    if (contains(line, "material card") || contains(line, "time unit")) {
      EXPECT_EQ(line.rfind("# ", 0), 0u) << line;
    }
  }
}
