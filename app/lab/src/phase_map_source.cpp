#include "phase_map_source.h"

#include "shown_names.h"

#include <QCoreApplication>
#include <QFile>

namespace lab {

MapLookup lookUpPhaseMap(const QString &folder, const std::string &substance) {
  const QString shown = materialName(substance);
  QFile file(folder + QLatin1Char('/') + QString::fromStdString(substance) +
             QStringLiteral(".map"));
  if (!file.open(QIODevice::ReadOnly))
    return {std::nullopt,
            QCoreApplication::translate("lab::PhaseMapSource",
                                        "No phase map has been measured on the model for %1.")
                .arg(shown)};
  const QByteArray text = file.readAll();
  try {
    analysis::PhaseMap map = analysis::parsePhaseMap(
        std::string_view(text.constData(), std::size_t(text.size())), substance + ".map");
    if (map.substance != substance)
      return {std::nullopt,
              QCoreApplication::translate("lab::PhaseMapSource",
                                          "The phase map found for %1 is the map of %2.")
                  .arg(shown, materialName(map.substance))};
    if (map.points.empty())
      return {std::nullopt,
              QCoreApplication::translate("lab::PhaseMapSource",
                                          "The phase map of %1 holds no state points yet.")
                  .arg(shown)};
    return {std::move(map), QString()};
  } catch (const analysis::PhaseMapError &error) {
    return {std::nullopt, QCoreApplication::translate("lab::PhaseMapSource",
                                                      "The phase map of %1 cannot be read: %2")
                              .arg(shown, QString::fromUtf8(error.what()))};
  }
}

} // namespace lab
