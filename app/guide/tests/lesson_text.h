// Lessons for the tests, written in the lesson-file format as a teacher
// writes them, and the folders the tests find their files in.
#pragma once

#include "experiments/experiment.h"

#include <QString>

// The lesson a text describes; the test fails when the reader refuses it.
experiments::Experiment lessonFrom(const std::string &text);

// The tests' own files: small scenarios with their cards, and lessons.
inline QString testData() { return QStringLiteral(GUIDE_TEST_DATA); }
// The program's shipped scenarios and lessons.
inline QString resources() { return QStringLiteral(CORVANTA_RESOURCES_DIR); }
