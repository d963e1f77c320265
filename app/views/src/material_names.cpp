#include "material_names.h"

#include "atom_drawing/atom_colours.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace views {

namespace {

// The drawing's colour names, marked here for translation.
constexpr std::array<const char *, 6> kColourWords{QT_TRANSLATE_NOOP("views::AtomColour", "blue"),
                                                   QT_TRANSLATE_NOOP("views::AtomColour", "red"),
                                                   QT_TRANSLATE_NOOP("views::AtomColour", "green"),
                                                   QT_TRANSLATE_NOOP("views::AtomColour", "yellow"),
                                                   QT_TRANSLATE_NOOP("views::AtomColour", "violet"),
                                                   QT_TRANSLATE_NOOP("views::AtomColour", "cyan")};

constexpr bool sameWords() {
  if (kColourWords.size() != atom_drawing::kAtomColourNames.size())
    return false;
  for (std::size_t k = 0; k < kColourWords.size(); ++k)
    if (std::string_view(kColourWords[k]) != atom_drawing::kAtomColourNames[k])
      return false;
  return true;
}
static_assert(sameWords(), "one translatable word for each colour the atoms are drawn in");

} // namespace

QString colourName(std::int32_t type) {
  const auto t = static_cast<std::size_t>(type);
  if (type >= 0 && t < kColourWords.size())
    return QCoreApplication::translate("views::AtomColour", kColourWords[t]);
  return QCoreApplication::translate("views::AtomColour", "type %1").arg(type);
}

QString materialName(std::int32_t type, const std::optional<ModDornDll::MaterialCard> &card) {
  const auto t = static_cast<std::size_t>(type);
  if (!card || type < 0 || t >= card->materials.size())
    return colourName(type);
  return QString::fromStdString(card->materials[t].name);
}

} // namespace views
