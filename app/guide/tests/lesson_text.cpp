#include "lesson_text.h"

#include "experiments/experiment_reader.h"

#include <gtest/gtest.h>

#include <sstream>

experiments::Experiment lessonFrom(const std::string &text) {
  std::istringstream in(text);
  try {
    return experiments::readExperiment(in, "test.experiment");
  } catch (const experiments::ExperimentError &error) {
    ADD_FAILURE() << error.what();
    return {};
  }
}
