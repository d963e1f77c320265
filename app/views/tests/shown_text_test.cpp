// The words and numbers the views write: numbers in the user's locale but
// without thousands separators, and the colour names the atoms go by.
#include "../../about/tests/default_locale.h"
#include "material_names.h"
#include "shown_units.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace views;

namespace {

const ShownUnit kAngstrom{1.0, 2, QStringLiteral("\u00c5")};
const ShownUnit kSpeed{1.0, 0, QStringLiteral("m/s")};

} // namespace

TEST(ShownUnit, NumbersReadAsInTheUsersLocaleWithoutThousandsSeparators) {
  {
    const DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(kAngstrom.text(3.248), QStringLiteral("3.25 \u00c5"));
    EXPECT_EQ(kSpeed.number(1234.4), QStringLiteral("1234"));
    EXPECT_EQ(kAngstrom.number(-4.731), QStringLiteral("-4.73"));
  }
  const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(kAngstrom.text(3.248), QStringLiteral("3,25 \u00c5"));
  EXPECT_EQ(kSpeed.number(1234.4), QStringLiteral("1234"));
}

TEST(MaterialNames, EachDrawingColourHasItsNameAndOtherTypesTheirNumber) {
  EXPECT_EQ(colourName(0), QStringLiteral("blue"));
  EXPECT_EQ(colourName(5), QStringLiteral("cyan"));
  EXPECT_EQ(colourName(6), QStringLiteral("type 6"));
  EXPECT_EQ(colourName(-1), QStringLiteral("type -1"));
  ModDornDll::MaterialCard card;
  card.materials.push_back({"water", "O", 273.15, "a handbook", {}, {}, {}, {}, {}, {}, {}});
  EXPECT_EQ(materialName(0, card), QStringLiteral("water"));
  EXPECT_EQ(materialName(1, card), QStringLiteral("red")) << "a material the card does not name";
  EXPECT_EQ(materialName(0, std::nullopt), QStringLiteral("blue"));
}
