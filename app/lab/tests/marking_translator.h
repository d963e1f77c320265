// A stand-in translation for tests: every text asked for comes back marked
// «like this», in any context, so a test can tell which texts a window
// showed through Qt's translation and which it wrote out as they are.
// Installed for its lifetime.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

class MarkingTranslator : public QTranslator {
public:
  static constexpr QChar kOpen{0x00AB};
  static constexpr QChar kClose{0x00BB};

  MarkingTranslator() { QCoreApplication::installTranslator(this); }
  ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

  bool isEmpty() const override { return false; }
  QString translate(const char *, const char *source, const char *, int) const override {
    return kOpen + QString::fromUtf8(source) + kClose;
  }
};
