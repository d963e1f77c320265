// The worked example a teacher copies from the README reads as a lesson.
#include "experiments/experiment_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// The first fenced block after the line that introduces the example.
std::string readmeExample() {
  std::ifstream readme(CORVANTA_README);
  std::string line;
  while (std::getline(readme, line) && line.find("Teachers write their own") == std::string::npos) {
  }
  while (std::getline(readme, line) && line != "```") {
  }
  std::string example;
  while (std::getline(readme, line) && line != "```")
    example += line + "\n";
  return example;
}

} // namespace

TEST(ReadmeExample, ReadsAsALessonWithEveryPartItShows) {
  const std::string text = readmeExample();
  ASSERT_FALSE(text.empty()) << "the README's example was not found";
  std::istringstream in(text);
  const experiments::Experiment lesson = experiments::readExperiment(in, "README.md");
  EXPECT_EQ(lesson.title, "Warm water");
  ASSERT_EQ(lesson.steps.size(), 1u);
  const experiments::Step &step = lesson.steps[0];
  EXPECT_EQ(step.actions.size(), 4u);
  ASSERT_TRUE(step.measurement.has_value());
  ASSERT_TRUE(step.question.has_value());
  EXPECT_EQ(step.question->unit, "\u00B0C");
  ASSERT_EQ(step.checks.size(), 1u);
  EXPECT_FALSE(step.checks[0].hint.empty());
}
