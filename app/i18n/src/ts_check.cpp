#include "ts_check.h"

#include <QXmlStreamReader>

namespace i18n {

namespace {

// Plural forms each shipped language needs (Qt's numerus rules: one and
// other). A language not listed needs at least one.
qsizetype numerusFormsFor(const QString &language) {
  const QString code = language.section(QLatin1Char('_'), 0, 0);
  for (const char *twoForms : {"de", "fr", "es", "pt", "en"})
    if (code == QLatin1String(twoForms))
      return 2;
  return 1;
}

struct Message {
  QString source;
  QString type; // the translation's type attribute: empty when finished
  QStringList forms;
  bool numerus = false;
};

QStringList readNumerusForms(QXmlStreamReader &xml) {
  QStringList forms;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("numerusform"))
      forms += xml.readElementText();
    else
      xml.skipCurrentElement();
  }
  return forms;
}

Message readMessage(QXmlStreamReader &xml) {
  Message message;
  message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("source")) {
      message.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      message.type = xml.attributes().value(QLatin1String("type")).toString();
      if (message.numerus)
        message.forms = readNumerusForms(xml);
      else
        message.forms = {xml.readElementText()};
    } else {
      xml.skipCurrentElement();
    }
  }
  return message;
}

// What is wrong with this message's translation; empty when nothing is.
QString flaw(const Message &message, qsizetype formsNeeded) {
  if (message.type == QLatin1String("obsolete") || message.type == QLatin1String("vanished"))
    return QStringLiteral("%1: the text is no longer in the program").arg(message.type);
  if (message.type == QLatin1String("unfinished"))
    return QStringLiteral("unfinished");
  if (message.forms.isEmpty() || message.forms.contains(QString()))
    return QStringLiteral("empty translation");
  if (message.numerus && message.forms.size() < formsNeeded)
    return QStringLiteral("%1 of %2 numerus forms").arg(message.forms.size()).arg(formsNeeded);
  return {};
}

void reviewContext(QXmlStreamReader &xml, qsizetype formsNeeded, QList<TsProblem> &problems) {
  QString context;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      const Message message = readMessage(xml);
      if (const QString reason = flaw(message, formsNeeded); !reason.isEmpty())
        problems.append({context, message.source, reason});
    } else {
      xml.skipCurrentElement();
    }
  }
}

} // namespace

QList<TsProblem> reviewTranslations(QIODevice &ts) {
  QXmlStreamReader xml(&ts);
  QList<TsProblem> problems;
  if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS"))
    xml.raiseError(QStringLiteral("no TS element"));
  const qsizetype formsNeeded =
      numerusFormsFor(xml.attributes().value(QLatin1String("language")).toString());
  while (!xml.hasError() && xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("context"))
      reviewContext(xml, formsNeeded, problems);
    else
      xml.skipCurrentElement();
  }
  if (xml.hasError())
    problems.append({QString(), QString(),
                     QStringLiteral("not a readable translation file: %1").arg(xml.errorString())});
  return problems;
}

} // namespace i18n
