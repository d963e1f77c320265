#include "xyz_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

using namespace PavexRun;

TEST(XyzWriter, WritesExtendedXyzFrames) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("corvanta-" + std::to_string(::getpid()) + "-frames.xyz");
  analysis::AtomFrame s;
  s.coords = {1, 2, 3, 4.5, 5.25, 6};
  s.types = {0, 1};
  s.box = {0, -10, 0, 100, 200, 300};
  {
    XyzWriter writer(path.string());
    writer.writeFrame(s, 0);
    writer.writeFrame(s, 50);
  }
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  std::filesystem::remove(path);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "2");
  EXPECT_EQ(lines[1], "Lattice=\"100 0 0 0 210 0 0 0 300\" Origin=\"0 -10 0\" "
                      "Properties=species:S:1:pos:R:3:type:I:1 Time=0 pbc=\"F F F\"");
  EXPECT_EQ(lines[2], "A 1.000 2.000 3.000 0");
  EXPECT_EQ(lines[3], "B 4.500 5.250 6.000 1");
  EXPECT_EQ(lines[4], "2");
  EXPECT_NE(lines[5].find("Time=50 "), std::string::npos);
}

TEST(XyzWriter, NamesTypesByLetterThenNumber) {
  EXPECT_EQ(speciesName(0), "A");
  EXPECT_EQ(speciesName(25), "Z");
  EXPECT_EQ(speciesName(26), "T26");
}
