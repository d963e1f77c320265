// The review of .ts files: a finished file passes, and each way a message
// can be untranslated or out of date is named with its context and text.
#include "ts_check.h"

#include <QBuffer>
#include <gtest/gtest.h>

using i18n::TsProblem;

namespace {

QByteArray tsFile(const char *language, const QByteArray &messages) {
  return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                    "<TS version=\"2.1\" language=\"") +
         language + "\" sourcelanguage=\"en\">\n<context>\n<name>frmOrvelModel</name>\n" +
         messages + "</context>\n</TS>\n";
}

QList<TsProblem> review(const QByteArray &content) {
  QByteArray bytes = content;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return i18n::reviewTranslations(buffer);
}

QByteArray message(const char *source, const char *translation) {
  return QByteArray("<message><source>") + source + "</source>" + translation + "</message>\n";
}

const QByteArray kFinished = message("Liquid", "<translation>Flüssig</translation>");

// The one problem of a file with one finished message and this one.
TsProblem onlyProblem(const QByteArray &flawed, const char *language = "de") {
  const QList<TsProblem> problems = review(tsFile(language, kFinished + flawed));
  EXPECT_EQ(problems.size(), 1);
  return problems.value(0);
}

} // namespace

TEST(TsCheck, AFinishedFilePasses) {
  const QByteArray numerus = "<message numerus=\"yes\"><source>%n atoms</source><translation>"
                             "<numerusform>%n Atom</numerusform><numerusform>%n Atome</numerusform>"
                             "</translation></message>\n";
  EXPECT_TRUE(review(tsFile("de", kFinished + numerus)).isEmpty());
}

TEST(TsCheck, NamesEachUntranslatedMessageWithItsContextAndText) {
  const TsProblem unfinished =
      onlyProblem(message("Open Experiment", "<translation type=\"unfinished\"></translation>"));
  EXPECT_EQ(unfinished.context, QStringLiteral("frmOrvelModel"));
  EXPECT_EQ(unfinished.source, QStringLiteral("Open Experiment"));
  EXPECT_TRUE(unfinished.reason.contains(QStringLiteral("unfinished")));

  // A draft not yet marked done is still unfinished.
  EXPECT_TRUE(onlyProblem(message("Gas", "<translation type=\"unfinished\">Gas</translation>"))
                  .reason.contains(QStringLiteral("unfinished")));
  EXPECT_TRUE(onlyProblem(message("Solid", "<translation></translation>"))
                  .reason.contains(QStringLiteral("empty")));
  EXPECT_TRUE(onlyProblem(message("Solid", "")).reason.contains(QStringLiteral("empty")));
}

TEST(TsCheck, NamesTextsNoLongerInTheProgram) {
  for (const char *type : {"obsolete", "vanished"}) {
    const QByteArray flawed = message(
        "Old Menu", (QByteArray("<translation type=\"") + type + "\">Altes Menü</translation>"));
    const TsProblem problem = onlyProblem(flawed);
    EXPECT_EQ(problem.source, QStringLiteral("Old Menu"));
    EXPECT_TRUE(problem.reason.contains(QLatin1String(type))) << type;
  }
}

TEST(TsCheck, NamesMissingNumerusForms) {
  const QByteArray oneForm = "<message numerus=\"yes\"><source>%n atoms</source><translation>"
                             "<numerusform>%n Atom</numerusform></translation></message>\n";
  EXPECT_EQ(onlyProblem(oneForm, "fr").source, QStringLiteral("%n atoms"));
  const QByteArray emptyForm = "<message numerus=\"yes\"><source>%n atoms</source><translation>"
                               "<numerusform>%n Atom</numerusform><numerusform></numerusform>"
                               "</translation></message>\n";
  EXPECT_TRUE(onlyProblem(emptyForm, "pt").reason.contains(QStringLiteral("empty")));
}

TEST(TsCheck, AnUnreadableFileIsAProblem) {
  for (const QByteArray &content :
       {QByteArray(), QByteArray("<html>not a translation</html>"), tsFile("de", "<message>")}) {
    const QList<TsProblem> problems = review(content);
    ASSERT_FALSE(problems.isEmpty()) << content.constData();
    EXPECT_TRUE(problems.last().reason.contains(QStringLiteral("not a readable")));
  }
}
