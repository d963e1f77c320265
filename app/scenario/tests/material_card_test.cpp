// Material cards: what a good card says, every way a card is refused with
// its file, line and reason, and a written card reading back the same.
#include "scenario/material_card.h"
#include "scenario/scenario_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace ModDornDll;
namespace fs = std::filesystem;

namespace {

constexpr double kAtomicMassUnit = 1.66053906660e-27;

const std::string kWaterAndAir = R"(# Material card of liquid-gas.ams
length unit = 0.2 pm
mass unit = 32.4 u   # water's engine mass is 0.556

material 0
name = water
symbol = O
melting point = 273.15 K
melting point source = CRC Handbook of Chemistry and Physics
boiling point = 373.12 K
boiling point source = CRC Handbook of Chemistry and Physics
model melting point = 266 K

Material 1
Name = nitrogen
symbol = N
melting point = 63.15 K
melting point source = CRC Handbook
)";

// The message of the card `text` refused, or "" when it is taken.
std::string refusal(const std::string &text) {
  try {
    parseMaterialCard(text, "test.card");
  } catch (const CardError &error) {
    return error.what();
  }
  return "";
}

// A card with one good material, with `line` put in at line 3.
std::string withLine(const std::string &line) {
  return "length unit = 0.2 pm\nmass unit = 18 u\n" + line +
         "\nmaterial 0\nname = water\nsymbol = O\nmelting point = 273.15 K\n"
         "melting point source = CRC\n";
}

} // namespace

TEST(MaterialCard, AGoodCardGivesTheUnitsAndEveryMaterial) {
  const MaterialCard card = parseMaterialCard(kWaterAndAir, "liquid-gas.card");
  EXPECT_DOUBLE_EQ(card.metresPerLength, 0.2e-12);
  EXPECT_DOUBLE_EQ(card.kilogramsPerMass, 32.4 * kAtomicMassUnit);
  ASSERT_EQ(card.materials.size(), 2u);
  const CardMaterial &water = card.materials[0];
  EXPECT_EQ(water.name, "water");
  EXPECT_EQ(water.symbol, "O");
  EXPECT_DOUBLE_EQ(water.meltingPoint, 273.15);
  EXPECT_EQ(water.meltingSource, "CRC Handbook of Chemistry and Physics");
  EXPECT_EQ(water.boilingPoint, 373.12);
  EXPECT_EQ(water.modelMeltingPoint, 266.0);
  EXPECT_EQ(card.materials[1].name, "nitrogen"); // keys and "material" in any case
  EXPECT_FALSE(card.materials[1].boilingPoint);
  EXPECT_FALSE(card.materials[1].modelMeltingPoint);
}

TEST(MaterialCard, EveryLengthAndMassUnitAndAnyLineEnd) {
  const std::pair<const char *, double> lengths[] = {
      {"2e-13 m", 2e-13}, {"0.0002 nm", 2e-13}, {"0.002 \u00C5", 2e-13}, {"0.002 A", 2e-13}};
  for (const auto &[text, metres] : lengths) {
    std::string card = withLine("");
    card.replace(card.find("0.2 pm"), 6, text);
    EXPECT_NEAR(parseMaterialCard(card, "c").metresPerLength, metres, 1e-25) << text;
  }
  std::string kilograms = withLine("");
  kilograms.replace(kilograms.find("18 u"), 4, "3e-26 kg");
  EXPECT_DOUBLE_EQ(parseMaterialCard(kilograms, "c").kilogramsPerMass, 3e-26);
  std::string crlf;
  for (const char c : withLine(""))
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(parseMaterialCard(crlf, "c").materials.at(0).meltingSource, "CRC");
  std::string commented = withLine("");
  commented.replace(commented.find("name = water"), 12, "name = water\r# the lake");
  EXPECT_EQ(parseMaterialCard(commented, "c").materials.at(0).name, "water");
}

TEST(MaterialCard, BrokenLinesAreRefusedWithFileLineAndReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"colour = blue", "test.card, line 3: unknown key \"colour\""},
      {"just words", "test.card, line 3: expected \"key = value\" or \"material N\""},
      {"name = water", "test.card, line 3: \"name\" belongs to a material"},
      {"mass unit = 4 u", "test.card, line 3: \"mass unit\" is given twice"},
      {"length unit =", "test.card, line 3: \"length unit\" has no value"},
      {"material x", "test.card, line 3: a material is numbered from 0 to 126, not \"x\""},
      {"material 127", "not \"127\""},
      {"material -1", "not \"-1\""},
  };
  for (const auto &[line, message] : cases)
    EXPECT_NE(refusal(withLine(line)).find(message), std::string::npos)
        << line << " gave: " << refusal(withLine(line));
}

TEST(MaterialCard, MeasuresNeedAPositiveNumberAndAKnownUnit) {
  for (const char *value : {"0.2", "0.2 furlong", "-0.2 pm", "0 pm", "pm", "nan pm", "0.2pmx"}) {
    std::string card = withLine("");
    card.replace(card.find("0.2 pm"), 6, value);
    EXPECT_NE(refusal(card).find("test.card, line 1: length unit must be a positive number"),
              std::string::npos)
        << value << " gave: " << refusal(card);
  }
  std::string celsius = withLine("");
  celsius.replace(celsius.find("273.15 K"), 8, "0 C");
  EXPECT_NE(refusal(celsius).find("line 7: melting point must be a positive number and K"),
            std::string::npos);
}

TEST(MaterialCard, UnitsAndTemperaturesOutsideAMolecularModelAreRefused) {
  const std::pair<std::string, std::string> cases[] = {
      {"1e300 m", "length unit must lie between 1e-18 m and 1 m"},
      {"1e-9 pm", "length unit must lie between"},
  };
  for (const auto &[value, message] : cases) {
    std::string card = withLine("");
    card.replace(card.find("0.2 pm"), 6, value);
    EXPECT_NE(refusal(card).find(message), std::string::npos) << value << ": " << refusal(card);
  }
  std::string heavy = withLine("");
  heavy.replace(heavy.find("18 u"), 4, "1e300 kg");
  EXPECT_NE(refusal(heavy).find("mass unit must lie between 1e-31 kg and 1 kg"), std::string::npos);
  std::string hot = withLine("");
  hot.replace(hot.find("273.15 K"), 8, "2e6 K");
  EXPECT_NE(refusal(hot).find("line 7: melting point must lie between"), std::string::npos);
}

TEST(MaterialCard, MissingPartsAreNamed) {
  EXPECT_NE(refusal("mass unit = 1 u\nmaterial 0\n").find("test.card: the card gives no length unit"),
            std::string::npos);
  EXPECT_NE(refusal("length unit = 1 pm\n").find("no mass unit"), std::string::npos);
  EXPECT_NE(refusal("length unit = 1 pm\nmass unit = 1 u\n").find("names no material"),
            std::string::npos);
  std::string noSource = withLine("");
  noSource.erase(noSource.find("melting point source"));
  EXPECT_NE(refusal(noSource).find("line 4: this material has no \"melting point source\""),
            std::string::npos);
  EXPECT_NE(refusal(withLine("") + "boiling point = 373 K\n").find("no \"boiling point source\""),
            std::string::npos);
  EXPECT_NE(refusal(withLine("") + "material 2\n").find("material 1 is missing"),
            std::string::npos);
  EXPECT_NE(refusal(withLine("") + "material 0\n").find("material 0 is given twice"),
            std::string::npos);
  EXPECT_NE(refusal(withLine("") + "symbol = N\n").find("\"symbol\" is given twice"),
            std::string::npos);
}

TEST(MaterialCard, ASymbolMustLookLikeAnElements) {
  for (const char *symbol : {"o", "OX", "Sill", "S1", "H2O"}) {
    std::string card = withLine("");
    card.replace(card.find("symbol = O"), 10, std::string("symbol = ") + symbol);
    EXPECT_NE(refusal(card).find("the symbol must be a chemical element's"), std::string::npos)
        << symbol;
  }
}

TEST(MaterialCard, ACardMustCoverEveryTypeOfItsScenario) {
  const MaterialCard card = parseMaterialCard(kWaterAndAir, "c");
  EXPECT_NO_THROW(checkCardCovers(card, 2, "c"));
  EXPECT_NO_THROW(checkCardCovers(card, 1, "c"));
  try {
    checkCardCovers(card, 3, "three.card");
    FAIL() << "a card of two materials covered three types";
  } catch (const CardError &error) {
    EXPECT_STREQ(error.what(),
                 "three.card: the card names 2 material(s), but the scenario has 3.");
  }
}

TEST(MaterialCard, TheCardOfAScenarioLiesBesideIt) {
  EXPECT_EQ(cardPathFor("/data/liquid.ams"), "/data/liquid.card");
  EXPECT_EQ(cardPathFor("/data/LIQUID.AMS"), "/data/LIQUID.card");
  EXPECT_EQ(cardPathFor("/data/notes.txt"), "/data/notes.txt.card");
  EXPECT_EQ(cardPathFor(".ams"), ".card");
}

class CardFiles : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("corvanta-cards-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string path(const std::string &name) const { return (folder_ / name).string(); }
  void write(const std::string &name, const std::string &text) const {
    std::ofstream(path(name)) << text;
  }
  fs::path folder_;
};

TEST_F(CardFiles, AWrittenCardReadsBackTheSame) {
  const MaterialCard card = parseMaterialCard(kWaterAndAir, "c");
  writeMaterialCard(path("snap.card"), card, "snap.ams");
  const MaterialCard back = readMaterialCard(path("snap.card"));
  EXPECT_NEAR(back.metresPerLength, card.metresPerLength, 1e-24);
  EXPECT_NEAR(back.kilogramsPerMass, card.kilogramsPerMass, 1e-36);
  ASSERT_EQ(back.materials.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(back.materials[k].name, card.materials[k].name);
    EXPECT_EQ(back.materials[k].symbol, card.materials[k].symbol);
    EXPECT_EQ(back.materials[k].meltingPoint, card.materials[k].meltingPoint);
    EXPECT_EQ(back.materials[k].meltingSource, card.materials[k].meltingSource);
    EXPECT_EQ(back.materials[k].boilingPoint, card.materials[k].boilingPoint);
    EXPECT_EQ(back.materials[k].modelMeltingPoint, card.materials[k].modelMeltingPoint);
  }
}

TEST_F(CardFiles, LookingUpACardBesideAScenario) {
  EXPECT_FALSE(lookUpCard(path("none.ams"), 1).card);
  EXPECT_TRUE(lookUpCard(path("none.ams"), 1).problem.empty());

  write("good.card", kWaterAndAir);
  EXPECT_EQ(lookUpCard(path("good.ams"), 2).card->materials.size(), 2u);

  const CardLookup tooFew = lookUpCard(path("good.ams"), 3);
  EXPECT_FALSE(tooFew.card);
  EXPECT_NE(tooFew.problem.find("good.card: the card names 2"), std::string::npos);

  write("broken.card", "length unit = 0.2 pm\nmass unit = lots\n");
  const CardLookup broken = lookUpCard(path("broken.ams"), 1);
  EXPECT_FALSE(broken.card);
  EXPECT_EQ(broken.problem.rfind(path("broken.card") + ", line 2: mass unit", 0), 0u);
}

TEST_F(CardFiles, AnUnreadableCardIsRefusedByName) {
  try {
    readMaterialCard(path("missing.card"));
    FAIL() << "a missing card was read";
  } catch (const CardError &error) {
    EXPECT_EQ(std::string(error.what()), path("missing.card") + ": the card cannot be opened.");
  }
  EXPECT_THROW(writeMaterialCard(path("no/such/folder/x.card"), MaterialCard{}, "x.ams"),
               SaveError);
}

namespace {

// A card of water with its real triple and critical points after `extra`
// lines put in the material's block.
std::string withPoints(const std::string &extra) {
  return withLine("") +
         "triple point = 273.16 K, 0.611657 kPa\n"
         "triple point source = IAPWS R6-95\n"
         "critical point = 647.096 K, 22.064 MPa\n"
         "critical point source = IAPWS R6-95\n" +
         extra;
}

} // namespace

TEST(MaterialCard, TripleAndCriticalPointsAreReadInKilopascals) {
  const CardMaterial water = parseMaterialCard(withPoints(""), "c").materials.at(0);
  ASSERT_TRUE(water.triplePoint && water.criticalPoint);
  EXPECT_DOUBLE_EQ(water.triplePoint->kelvin, 273.16);
  EXPECT_DOUBLE_EQ(water.triplePoint->kilopascals, 0.611657);
  EXPECT_EQ(water.tripleSource, "IAPWS R6-95");
  EXPECT_DOUBLE_EQ(water.criticalPoint->kelvin, 647.096);
  EXPECT_DOUBLE_EQ(water.criticalPoint->kilopascals, 22064.0); // given in MPa
  EXPECT_EQ(water.criticalSource, "IAPWS R6-95");
  std::string pascals = withPoints("");
  pascals.replace(pascals.find("0.611657 kPa"), 12, "611.657 Pa");
  EXPECT_DOUBLE_EQ(parseMaterialCard(pascals, "c").materials[0].triplePoint->kilopascals, 0.611657);
  EXPECT_FALSE(parseMaterialCard(withLine(""), "c").materials[0].triplePoint);
}

TEST(MaterialCard, BadTripleAndCriticalPointsAreRefused) {
  const std::pair<std::string, std::string> values[] = {
      {"273.16 K", "line 9: triple point must be a temperature and a pressure, as"},
      {"273.16 K 0.6 kPa", "must be a temperature and a pressure"},
      {"273.16, 0.6 kPa", "line 9: triple point must be a positive number and K"},
      {"273.16 K, 0.6", "line 9: triple point must be a positive number and kPa, Pa or MPa"},
      {"273.16 K, 0.6 bar", "kPa, Pa or MPa"},
      {"273.16 K, -0.6 kPa", "kPa, Pa or MPa"},
      {"273.16 K, nan kPa", "kPa, Pa or MPa"},
      {"273.16 K, 0.6 kPa, 1", "kPa, Pa or MPa"},
      {"2e6 K, 0.6 kPa", "triple point must lie between 1e-6 K and 1e6 K"},
      {"273.16 K, 1e-20 kPa", "triple point must lie between 1e-12 kPa and 1e8 kPa"},
      {"273.16 K, 1e12 kPa", "must lie between 1e-12 kPa and 1e8 kPa"},
  };
  for (const auto &[value, message] : values) {
    std::string card = withPoints("");
    card.replace(card.find("273.16 K, 0.611657 kPa"), 22, value);
    EXPECT_NE(refusal(card).find(message), std::string::npos) << value << ": " << refusal(card);
  }
  const std::pair<std::string, std::string> blocks[] = {
      {"triple point = 200 K, 1 kPa\n", "\"triple point\" is given twice"},
      {"critical point source = CRC\n", "\"critical point source\" is given twice"},
  };
  for (const auto &[extra, message] : blocks)
    EXPECT_NE(refusal(withPoints(extra)).find(message), std::string::npos) << extra;
  EXPECT_NE(refusal(withLine("") + "triple point = 273.16 K, 0.6 kPa\n")
                .find("line 4: this material has no \"triple point source\""),
            std::string::npos);
  EXPECT_NE(refusal(withLine("") + "critical point source = IAPWS\n")
                .find("this material has no \"critical point\""),
            std::string::npos);
  EXPECT_NE(refusal(withLine("triple point = 273.16 K, 0.6 kPa"))
                .find("line 3: \"triple point\" belongs to a material"),
            std::string::npos);
}

TEST(MaterialCard, ATriplePointAboveTheCriticalPointIsRefused) {
  std::string hot = withPoints("");
  hot.replace(hot.find("273.16 K, 0.611657 kPa"), 22, "700 K, 0.6 kPa");
  EXPECT_NE(refusal(hot).find("line 4: the triple point cannot lie above the critical point"),
            std::string::npos)
      << refusal(hot);
  std::string pressed = withPoints("");
  pressed.replace(pressed.find("273.16 K, 0.611657 kPa"), 22, "273.16 K, 30000 kPa");
  EXPECT_NE(refusal(pressed).find("cannot lie above the critical point"), std::string::npos);
}

TEST_F(CardFiles, TripleAndCriticalPointsReadBackTheSame) {
  const MaterialCard card = parseMaterialCard(withPoints(""), "c");
  writeMaterialCard(path("points.card"), card, "points.ams");
  const CardMaterial back = readMaterialCard(path("points.card")).materials.at(0);
  const CardMaterial &water = card.materials[0];
  ASSERT_TRUE(back.triplePoint && back.criticalPoint);
  EXPECT_EQ(back.triplePoint->kelvin, water.triplePoint->kelvin);
  EXPECT_EQ(back.triplePoint->kilopascals, water.triplePoint->kilopascals);
  EXPECT_EQ(back.tripleSource, water.tripleSource);
  EXPECT_EQ(back.criticalPoint->kelvin, water.criticalPoint->kelvin);
  EXPECT_EQ(back.criticalPoint->kilopascals, water.criticalPoint->kilopascals);
  EXPECT_EQ(back.criticalSource, water.criticalSource);
  // A card without them writes no such lines.
  const std::string plain = cardText(parseMaterialCard(withLine(""), "c"), "x.ams");
  EXPECT_EQ(plain.find("triple point"), std::string::npos);
  EXPECT_EQ(plain.find("critical point"), std::string::npos);
}
