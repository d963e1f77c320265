// The program started in the shipped resources folder: its pictures load
// and every choice loads a shipped scenario that runs.
#include "frm_orvel_model.h"
#include "message_box.h"

#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class ShippedResources : public testing::Test {
protected:
  void SetUp() override {
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(CORVANTA_RESOURCES_DIR)));
    scene::setMessageSink([this](const QString &, const QString &text) { messages << text; });
  }
  void TearDown() override {
    scene::setMessageSink({});
    QDir::setCurrent(previous_);
  }
  QStringList messages;

private:
  QString previous_;
};

} // namespace

TEST_F(ShippedResources, EveryChoiceLoadsAndRunsItsScenario) {
  frmOrvelModel f;
  ASSERT_TRUE(f.Form_Load());
  f.show();
  QAction *const entries[] = {f.mnuOptionsSolid,      f.mnuOptionsLiquid,  f.mnuOptionsGas,
                              f.mnuOptionSolidLiquid, f.mnuOptionSolidGas, f.mnuOptionLiquidGas};
  for (QAction *entry : entries) {
    entry->trigger();
    // The caption without its access key names the scenario.
    const QString caption = entry->iconText();
    EXPECT_GT(ModDornDll::numAtoms, 0) << caption.toStdString();
    EXPECT_EQ(f.StatusBar1->panelText(5), QStringLiteral("Simulation: ") + caption);
    const std::vector<double> start = ModDornDll::atomCoords;
    f.Timer1_Timer();
    EXPECT_NE(ModDornDll::atomCoords, start) << caption.toStdString();
  }
  f.hotspotCloud_Click();
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Gas-Gas");
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  EXPECT_FALSE(f.failed());
}
