#include "program_info.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace {
constexpr auto kProductName = "Tessivo";
} // namespace

void applyProgramInfo() {
  QCoreApplication::setApplicationName(QString::fromLatin1(kProductName));
  QCoreApplication::setApplicationVersion(QStringLiteral(CORVANTA_VERSION));
}

QString versionCaption(const QString &version) {
  const QVersionNumber number = QVersionNumber::fromString(version);
  return QCoreApplication::translate("frmSplash", "Version %1.%2")
      .arg(number.majorVersion())
      .arg(number.minorVersion());
}
