// The shipped lessons speak the student's language: every text a student
// reads in them (titles, summaries, steps, paragraphs, questions, choices,
// hints) is translated in the context "lesson", where the translators find
// them (tools/translations/lesson_texts). A teacher's own lesson, written in
// the class's language, has no translation and shows as written. Choices are
// recorded and checked as the lesson file writes them, whatever the
// language they were shown in.
#pragma once

#include <QString>

#include <string>

namespace guide {

// The lesson's text as the student reads it.
QString lessonText(const std::string &text);

} // namespace guide
