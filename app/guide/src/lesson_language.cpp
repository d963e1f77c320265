#include "lesson_language.h"

#include <QCoreApplication>

namespace guide {

QString lessonText(const std::string &text) {
  if (text.empty())
    return {};
  return QCoreApplication::translate("lesson", text.c_str());
}

} // namespace guide
