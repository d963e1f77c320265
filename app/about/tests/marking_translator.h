// A translator that hands back every text it is asked for between guillemets,
// so that a check tells a text that went through Qt's translation from one
// that was written past it, and sees how translated parts were put together.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

class MarkingTranslator : public QTranslator {
public:
  MarkingTranslator() { QCoreApplication::installTranslator(this); }
  ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
  MarkingTranslator(const MarkingTranslator &) = delete;
  MarkingTranslator &operator=(const MarkingTranslator &) = delete;

  // The text as this translator gives it back.
  static QString marked(const QString &text) { return u'\u00AB' + text + u'\u00BB'; }
  static bool isMarked(const QString &text) {
    return text.startsWith(u'\u00AB') && text.endsWith(u'\u00BB');
  }

  bool isEmpty() const override { return false; }
  QString translate(const char *, const char *sourceText, const char *, int) const override {
    return marked(QString::fromUtf8(sourceText));
  }
};
