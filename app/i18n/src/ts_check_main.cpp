// translations_check FILE.ts...: lists every message of the translation
// sources that is not translated, no longer in the program, or short of a
// numerus form, as "file: context: "text": what is wrong", and exits with 1
// when there is any.
#include "ts_check.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// A text on one line of the report, its line breaks written as \n.
QString oneLine(QString text) { return text.replace(QLatin1Char('\n'), QLatin1String("\\n")); }

// The problems of one file, written to the report; their number.
qsizetype report(const QString &path, QTextStream &out) {
  QFile file(path);
  const QString name = QFileInfo(path).fileName();
  if (!file.open(QIODevice::ReadOnly)) {
    out << name << ": cannot be read: " << file.errorString() << '\n';
    return 1;
  }
  const QList<i18n::TsProblem> problems = i18n::reviewTranslations(file);
  for (const i18n::TsProblem &problem : problems)
    out << name << ": " << problem.context << ": \"" << oneLine(problem.source)
        << "\": " << problem.reason << '\n';
  return problems.size();
}

} // namespace

int main(int argc, char *argv[]) {
  QTextStream out(stdout);
  if (argc < 2) {
    out << "usage: translations_check FILE.ts...\n";
    return 2;
  }
  qsizetype total = 0;
  for (int i = 1; i < argc; ++i)
    total += report(QFile::decodeName(argv[i]), out);
  if (total > 0)
    out << total << " translations are missing or out of date: run tools/translations/update, "
        << "then translate the messages listed above.\n";
  return total > 0 ? 1 : 0;
}
