// Reads a Qt translation source (.ts) and lists what keeps it from being
// complete, so that a language is not shipped half done.
#pragma once

#include <QList>
#include <QString>

class QIODevice;

namespace i18n {

struct TsProblem {
  QString context; // the class or context the text belongs to
  QString source;  // the English text
  QString reason;  // what is wrong with its translation
};

// Every message whose translation is unfinished or empty, whose text is
// gone from the program (obsolete or vanished), or that lacks a numerus
// form its language needs. A file that is not a readable .ts is one problem.
QList<TsProblem> reviewTranslations(QIODevice &ts);

} // namespace i18n
