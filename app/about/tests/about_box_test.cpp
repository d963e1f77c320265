// The About box: title, product name and version, closed with OK; its
// texts in the user's language and its parts named for a screen reader.
#include "frm_splash.h"
#include "marking_translator.h"
#include "program_info.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(AboutBox, ShowsProductNameAndVersionOfTheProgram) {
  frmSplash about;
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.lblProductName->text(), "Tessivo");
  EXPECT_EQ(about.lblVersion->text(), "Version 1.0");
  EXPECT_EQ(about.size(), QSize(492, 283));
  EXPECT_EQ(about.cmdOK->text(), "OK");
  EXPECT_EQ(about.cmdOK->geometry(), QRect(200, 216, 65, 25));
  EXPECT_TRUE(about.lblVersion->font().bold());
  EXPECT_DOUBLE_EQ(about.lblProductName->font().pointSizeF(), 20.25);
}

TEST(AboutBox, VersionShowsMajorAndMinorAsPlainNumbers) {
  EXPECT_EQ(versionCaption(QStringLiteral("1.5")), "Version 1.5");
  EXPECT_EQ(versionCaption(QStringLiteral("1.05")), "Version 1.5");
  EXPECT_EQ(versionCaption(QStringLiteral("2.10.3")), "Version 2.10");
}

TEST(AboutBox, OkHidesTheModalBox) {
  frmSplash about;
  bool shownModal = false;
  QTimer::singleShot(0, [&] {
    shownModal = QApplication::activeModalWidget() == &about;
    about.cmdOK->click();
  });
  EXPECT_EQ(about.exec(), QDialog::Accepted);
  EXPECT_TRUE(shownModal);
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, TextsGoThroughTranslationButTheProductNameStays) {
  const MarkingTranslator marking;
  frmSplash about;
  EXPECT_EQ(about.windowTitle(), MarkingTranslator::marked("About"));
  EXPECT_EQ(about.cmdOK->text(), MarkingTranslator::marked("OK"));
  EXPECT_EQ(about.lblVersion->text(), MarkingTranslator::marked("Version 1.0"));
  EXPECT_EQ(about.lblProductName->text(), "Tessivo");
}

TEST(AboutBox, EveryPartHasANameForAScreenReader) {
  frmSplash about;
  for (QWidget *part : about.findChildren<QWidget *>()) {
    QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(part);
    ASSERT_NE(reading, nullptr);
    EXPECT_FALSE(reading->text(QAccessible::Name).isEmpty()) << part->metaObject()->className();
  }
  EXPECT_EQ(about.imgLogo->accessibleName(), "Logo");
  EXPECT_EQ(about.Frame1->accessibleName(), "Tessivo");
}
