// The trajectory file, read back by a small reader that follows the extended
// XYZ rules: a count line, a comment line of key=value pairs whose
// Properties name the columns, then one line per atom with exactly those
// columns; species must be chemical symbols. With a material card the frames
// carry the card's symbols, positions in ångström and masses in u.
#include "scenario/trajectory_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <unistd.h>

using namespace ModDornDll;

namespace {

const std::set<std::string> kElements = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",
    "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
    "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
    "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd",
    "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re",
    "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th",
    "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db",
    "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};

// key=value and key="value with blanks" pairs of a comment line.
std::map<std::string, std::string> commentPairs(const std::string &line) {
  std::map<std::string, std::string> pairs;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && line[at] == ' ')
      ++at;
    const auto equals = line.find('=', at);
    if (equals == std::string::npos)
      break;
    const std::string key = line.substr(at, equals - at);
    std::size_t end;
    std::string value;
    if (line[equals + 1] == '"') {
      end = line.find('"', equals + 2);
      value = line.substr(equals + 2, end - equals - 2);
      ++end;
    } else {
      end = std::min(line.find(' ', equals), line.size());
      value = line.substr(equals + 1, end - equals - 1);
    }
    pairs[key] = value;
    at = end;
  }
  return pairs;
}

struct Column {
  std::string name;
  char kind;
  int width;
};

std::vector<Column> columns(const std::string &properties) {
  std::vector<Column> result;
  std::stringstream fields(properties);
  for (std::string name, kind, width; std::getline(fields, name, ':') &&
                                      std::getline(fields, kind, ':') &&
                                      std::getline(fields, width, ':');)
    result.push_back({name, kind[0], std::stoi(width)});
  return result;
}

struct Atom {
  std::string species;
  double x, y, z;
  int material;
  double mass = 0.0; // from a masses column, when there is one
};

struct Frame {
  std::map<std::string, std::string> info;
  std::vector<Atom> atoms;
};

// Reads every frame, checking each atom line against the Properties.
std::vector<Frame> readFrames(const std::string &path) {
  std::ifstream in(path);
  std::vector<Frame> frames;
  for (std::string count; std::getline(in, count);) {
    Frame frame;
    std::string comment;
    std::getline(in, comment);
    frame.info = commentPairs(comment);
    const auto cols = columns(frame.info["Properties"]);
    for (int i = 0, n = std::stoi(count); i < n; ++i) {
      std::string line;
      std::getline(in, line);
      std::stringstream fields(line);
      std::vector<std::string> values;
      for (std::string value; fields >> value;)
        values.push_back(value);
      std::size_t expected = 0;
      for (const Column &c : cols)
        expected += c.width;
      EXPECT_EQ(values.size(), expected) << line;
      if (values.size() != expected || values.size() < 5)
        continue;
      frame.atoms.push_back({values[0], std::stod(values[1]), std::stod(values[2]),
                             std::stod(values[3]), std::stoi(values.back())});
      if (values.size() == 6)
        frame.atoms.back().mass = std::stod(values[4]);
    }
    frames.push_back(frame);
  }
  return frames;
}

std::string temporaryPath(const std::string &name) {
  return (std::filesystem::temp_directory_path() /
          ("corvanta-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

// Water and quartz at 0.2 pm per length unit (0.002 Å) and 18 u per mass unit.
MaterialCard waterAndQuartz() {
  MaterialCard card;
  card.metresPerLength = 0.2e-12;
  card.kilogramsPerMass = 18 * 1.66053906660e-27;
  CardMaterial water;
  water.name = "water";
  water.symbol = "O";
  water.meltingPoint = 273.15;
  water.meltingSource = water.boilingSource = "CRC";
  water.boilingPoint = 373.12;
  water.modelMeltingPoint = 266.0;
  CardMaterial quartz;
  quartz.name = "quartz";
  quartz.symbol = "Si";
  quartz.meltingPoint = 1986.0;
  quartz.meltingSource = "CRC";
  card.materials = {water, quartz};
  return card;
}

std::string fileText(const std::string &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

} // namespace

TEST(TrajectoryWriter, FramesFollowTheExtendedXyzRules) {
  const std::string path = temporaryPath("frames.xyz");
  const std::vector<double> coords = {1, 2, 3, 4.5, 5.25, 6, 7, 8, 9};
  const std::vector<std::int32_t> materials = {0, 1, 0};
  const std::array<double, 6> box = {0, -10, 0, 100, 200, 300};
  {
    TrajectoryWriter writer(path);
    writer.writeFrame(coords, materials, {}, box, 0);
    writer.writeFrame(coords, std::vector<std::int32_t>{0, 1}, {}, box, 50);
  }
  const auto frames = readFrames(path);
  std::filesystem::remove(path);
  ASSERT_EQ(frames.size(), 2u);
  const Frame &first = frames[0];
  EXPECT_EQ(first.info.at("Properties"), "species:S:1:pos:R:3:material:I:1");
  EXPECT_EQ(first.info.at("Lattice"), "100 0 0 0 210 0 0 0 300");
  EXPECT_EQ(first.info.at("Origin"), "0 -10 0");
  EXPECT_EQ(first.info.at("pbc"), "F F F");
  EXPECT_EQ(first.info.at("Time"), "0");
  ASSERT_EQ(first.atoms.size(), 3u);
  EXPECT_EQ(first.atoms[1].species, "Ne");
  EXPECT_EQ(first.atoms[1].material, 1);
  EXPECT_DOUBLE_EQ(first.atoms[1].y, 5.25);
  EXPECT_EQ(frames[1].info.at("Time"), "50");
  EXPECT_EQ(frames[1].atoms.size(), 2u);
}

TEST(TrajectoryWriter, EveryMaterialIsNamedByAChemicalSymbol) {
  std::set<std::string> names;
  for (std::int32_t material = 0; material < 127; ++material) {
    const std::string name = speciesName(material);
    EXPECT_TRUE(kElements.count(name)) << material << " is named " << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), kElements.size()); // 118 distinct names before they repeat
  EXPECT_EQ(speciesName(0), "Ar");
  EXPECT_EQ(speciesName(118), "Ar");
}

TEST(TrajectoryWriter, WithoutACardTheFrameIsInModelUnitsLineForLine) {
  const std::string path = temporaryPath("model.xyz");
  {
    TrajectoryWriter writer(path, std::nullopt);
    const std::vector<double> masses = {5, 7};
    writer.writeFrame(std::vector<double>{1000, 2000.5, 3000, 4, 5, 6},
                      std::vector<std::int32_t>{0, 1}, masses, {0, -10, 0, 100, 200, 300}, 7);
  }
  EXPECT_EQ(fileText(path), "2\n"
                            "Lattice=\"100 0 0 0 210 0 0 0 300\" Origin=\"0 -10 0\" "
                            "Properties=species:S:1:pos:R:3:material:I:1 Time=7 pbc=\"F F F\"\n"
                            "Ar 1000.000 2000.500 3000.000 0\n"
                            "Ne 4.000 5.000 6.000 1\n");
  std::filesystem::remove(path);
}

TEST(TrajectoryWriter, WithACardSpeciesAreItsSymbolsLengthsAngstromAndMassesAtomicUnits) {
  const std::string path = temporaryPath("real.xyz");
  {
    TrajectoryWriter writer(path, waterAndQuartz());
    // Masses 1 and 2 of 18 u; 1000 length units of 0.2 pm are 2 Å.
    writer.writeFrame(std::vector<double>{1000, 2000, 3000, 500, 0, 250},
                      std::vector<std::int32_t>{0, 1}, std::vector<double>{1, 2},
                      {-500, 0, 0, 10000, 5000, 2500}, 40);
  }
  const auto frames = readFrames(path);
  std::filesystem::remove(path);
  ASSERT_EQ(frames.size(), 1u);
  const Frame &frame = frames[0];
  EXPECT_EQ(frame.info.at("Properties"), "species:S:1:pos:R:3:masses:R:1:material:I:1");
  EXPECT_EQ(frame.info.at("Lattice"), "21 0 0 0 10 0 0 0 5");
  EXPECT_EQ(frame.info.at("Origin"), "-1 0 0");
  EXPECT_EQ(frame.info.at("length_unit"), "Angstrom");
  EXPECT_EQ(frame.info.at("mass_unit"), "u");
  ASSERT_EQ(frame.atoms.size(), 2u);
  EXPECT_EQ(frame.atoms[0].species, "O");
  EXPECT_EQ(frame.atoms[1].species, "Si");
  EXPECT_NEAR(frame.atoms[0].x, 2.0, 1e-9);
  EXPECT_NEAR(frame.atoms[0].z, 6.0, 1e-9);
  EXPECT_NEAR(frame.atoms[1].x, 1.0, 1e-9);
  EXPECT_NEAR(frame.atoms[0].mass, 18.0, 1e-9);
  EXPECT_NEAR(frame.atoms[1].mass, 36.0, 1e-9);
  EXPECT_EQ(frame.atoms[1].material, 1);
}

TEST(TrajectoryWriter, AFrameItCannotWriteWholeIsRefusedBeforeAnyOfItIsWritten) {
  EXPECT_THROW(TrajectoryWriter("/no/such/folder/frames.xyz"), SaveError);
  const std::string path = temporaryPath("refused.xyz");
  const std::vector<std::int32_t> materials = {0, 1};
  const std::array<double, 6> box = {0, 0, 0, 10, 10, 10};
  {
    TrajectoryWriter model(path);
    EXPECT_THROW(model.writeFrame(std::vector<double>{1, 2, 3, 4, 5}, materials, {}, box, 0),
                 std::invalid_argument);
  }
  EXPECT_EQ(fileText(path), "") << "a count line promising atoms the frame lacks";
  {
    TrajectoryWriter real(path, waterAndQuartz());
    const std::vector<double> coords = {1, 2, 3, 4, 5, 6};
    EXPECT_THROW(real.writeFrame(coords, materials, std::vector<double>{1}, box, 0),
                 std::invalid_argument);
    EXPECT_THROW(
        real.writeFrame(coords, std::vector<std::int32_t>{0, 2}, std::vector<double>{1, 1}, box, 0),
        SaveError);
  }
  EXPECT_EQ(fileText(path), "");
  std::filesystem::remove(path);
}

// ASE reads the file unchanged, when it is installed (Debian's python3-ase, for Debian's own
// python3).
TEST(TrajectoryWriter, AseReadsTheFile) {
  if (std::system("/usr/bin/python3 -c 'import ase.io' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3-ase is not installed";
  const std::string path = temporaryPath("ase.xyz");
  {
    TrajectoryWriter writer(path);
    const std::vector<double> coords = {1, 2, 3, 4, 5, 6};
    writer.writeFrame(coords, std::vector<std::int32_t>{0, 1}, {}, {0, 0, 0, 10, 10, 10}, 5);
    writer.writeFrame(coords, std::vector<std::int32_t>{1, 1}, {}, {0, 0, 0, 10, 10, 10}, 10);
  }
  const std::string check =
      "/usr/bin/python3 -c \"import ase.io; f = ase.io.read('" + path +
      "', index=':'); assert len(f) == 2; assert f[0].get_chemical_symbols() == ['Ar', 'Ne'];"
      " assert list(f[1].arrays['material']) == [1, 1]; assert f[0].positions[1][2] == 6\"";
  EXPECT_EQ(std::system(check.c_str()), 0);
  {
    TrajectoryWriter writer(path, waterAndQuartz());
    writer.writeFrame(std::vector<double>{1000, 0, 0, 0, 0, 500}, std::vector<std::int32_t>{0, 1},
                      std::vector<double>{1, 2}, {0, 0, 0, 2000, 2000, 2000}, 0);
  }
  const std::string real =
      "/usr/bin/python3 -c \"import ase.io; a = ase.io.read('" + path +
      "'); assert a.get_chemical_symbols() == ['O', 'Si'];"
      " assert abs(a.get_masses()[1] - 36) < 1e-9; assert abs(a.positions[0][0] - 2) < 1e-9;"
      " assert abs(a.cell[2][2] - 4) < 1e-9\"";
  EXPECT_EQ(std::system(real.c_str()), 0);
  std::filesystem::remove(path);
}
