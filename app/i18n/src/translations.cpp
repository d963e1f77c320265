#include "i18n/translations.h"

#include "i18n/languages.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace i18n {

namespace {

// Marks the translators this library installed, so a later call finds them.
const char kTranslatorName[] = "corvanta_i18n";

void removeEarlierTranslators(QCoreApplication &app) {
  const QList<QTranslator *> earlier =
      app.findChildren<QTranslator *>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
  for (QTranslator *translator : earlier) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

// The translation in this file, or none when it is missing or unreadable.
// The file must exist: QTranslator would otherwise try shortened names.
std::unique_ptr<QTranslator> loadTranslator(const QString &path) {
  if (!QFileInfo(path).isFile())
    return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(path))
    return nullptr;
  return translator;
}

// Qt's translation for this locale: the regional one (qtbase_pt_BR), the
// language's (qtbase_pt), else any regional one of the language, so that
// Portuguese finds Brazil's when Qt ships no other.
std::unique_ptr<QTranslator> loadQtTranslator(const QString &folder, const QLocale &locale,
                                              const QString &code) {
  const QDir dir(folder);
  QStringList candidates{QStringLiteral("qtbase_%1.qm").arg(locale.name()),
                         QStringLiteral("qtbase_%1.qm").arg(code)};
  candidates +=
      dir.entryList({QStringLiteral("qtbase_%1_*.qm").arg(code)}, QDir::Files, QDir::Name);
  for (const QString &name : candidates)
    if (std::unique_ptr<QTranslator> translator = loadTranslator(dir.filePath(name)))
      return translator;
  return nullptr;
}

void install(QCoreApplication &app, std::unique_ptr<QTranslator> translator) {
  translator->setObjectName(QLatin1String(kTranslatorName));
  translator->setParent(&app);
  QCoreApplication::installTranslator(translator.release());
}

} // namespace

TranslationFolders builtInFolders() {
  return {QStringLiteral(":/i18n"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

QString installTranslations(QCoreApplication &app) {
  return installTranslations(app, QLocale::system(), builtInFolders());
}

QString installTranslations(QCoreApplication &app, const QLocale &system,
                            const TranslationFolders &folders) {
  removeEarlierTranslators(app);
  const QString code = languageFor(settings::language(), system);
  if (code == englishCode())
    return code;
  const QString ownPath =
      QDir(folders.program).filePath(QStringLiteral("corvanta_%1.qm").arg(code));
  std::unique_ptr<QTranslator> own = loadTranslator(ownPath);
  if (!own) {
    qWarning("Corvanta's translation %s is missing or unreadable: the texts stay in English",
             qPrintable(ownPath));
    return englishCode();
  }
  const QLocale locale = localeFor(code, system);
  install(app, std::move(own));
  if (std::unique_ptr<QTranslator> qt = loadQtTranslator(folders.qt, locale, code))
    install(app, std::move(qt));
  QLocale::setDefault(locale);
  return code;
}

} // namespace i18n
