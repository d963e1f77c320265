// The About box: title, product name and version, closed with OK.
#include "frm_splash.h"
#include "program_info.h"

#include <QApplication>
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
