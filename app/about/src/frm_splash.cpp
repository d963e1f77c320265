#include "frm_splash.h"

#include "program_info.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

// Layout units of the dialog are twips; 15 twips make one pixel.
QRect fromTwips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

QFont arialBold(qreal points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

} // namespace

frmSplash::frmSplash(QWidget *parent) : QDialog(parent) {
  setWindowTitle(tr("About"));
  setFixedSize(7380 / 15, 4245 / 15);
  setWindowIcon(QIcon(QStringLiteral(":/images/app.ico")));
  setModal(true);
  createControls();
  Form_Load();
}

void frmSplash::createControls() {
  Frame1 = new QGroupBox(this);
  Frame1->setGeometry(fromTwips(150, 0, 7080, 4050));

  cmdOK = new QPushButton(tr("OK"), Frame1);
  cmdOK->setGeometry(fromTwips(3000, 3240, 975, 375));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);

  imgLogo = new QLabel(Frame1);
  imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
  imgLogo->setGeometry(fromTwips(2400, 240, 2310, 1200));
  imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  imgLogo->setAccessibleName(tr("Logo"));

  lblVersion = new QLabel(Frame1);
  lblVersion->setFont(arialBold(12));
  lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
  lblVersion->setGeometry(fromTwips(5280, 2880, 885, 285));

  // The product's name is the same in every language.
  lblProductName = new QLabel(QStringLiteral("Tessivo"), Frame1);
  lblProductName->setFont(arialBold(20.25));
  lblProductName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblProductName->setGeometry(fromTwips(600, 1440, 6015, 1125));
}

void frmSplash::Form_Load() {
  lblVersion->setText(versionCaption(QCoreApplication::applicationVersion()));
  lblVersion->adjustSize(); // the label sizes itself to its text
  lblProductName->setText(QCoreApplication::applicationName());
  Frame1->setAccessibleName(QCoreApplication::applicationName()); // the frame has no caption
}

void frmSplash::cmdOK_Click() { accept(); }
