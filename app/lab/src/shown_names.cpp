#include "shown_names.h"

#include <QCoreApplication>

namespace lab {

namespace {

// The translation contexts; the names below are marked for lupdate with them.
constexpr char kMaterialContext[] = "material";
constexpr char kPhaseContext[] = "phase";

constexpr const char *kShippedMaterials[] = {
    QT_TRANSLATE_NOOP("material", "nitrogen"),
    QT_TRANSLATE_NOOP("material", "oxygen"),
    QT_TRANSLATE_NOOP("material", "quartz"),
    QT_TRANSLATE_NOOP("material", "water"),
};

constexpr const char *kPhases[] = {
    QT_TRANSLATE_NOOP("phase", "solid"),
    QT_TRANSLATE_NOOP("phase", "liquid"),
    QT_TRANSLATE_NOOP("phase", "gas"),
    QT_TRANSLATE_NOOP("phase", "supercooled liquid"),
    QT_TRANSLATE_NOOP("phase", "solid and liquid"),
    QT_TRANSLATE_NOOP("phase", "liquid and gas"),
    QT_TRANSLATE_NOOP("phase", "solid and gas"),
};

template <std::size_t N> QStringList listOf(const char *const (&names)[N]) {
  QStringList list;
  for (const char *name : names)
    list.append(QString::fromUtf8(name));
  return list;
}

} // namespace

QString materialName(const std::string &name) {
  return QCoreApplication::translate(kMaterialContext, name.c_str());
}

QStringList shippedMaterialNames() { return listOf(kShippedMaterials); }

QString phaseName(std::string_view name) {
  const std::string text(name);
  return QCoreApplication::translate(kPhaseContext, text.c_str());
}

QStringList knownPhaseNames() { return listOf(kPhases); }

} // namespace lab
