// The About box: the logo, the product name and the version, closed with OK.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

class frmSplash : public QDialog {
  Q_OBJECT

public:
  explicit frmSplash(QWidget *parent = nullptr);

  QGroupBox *Frame1 = nullptr;
  QPushButton *cmdOK = nullptr;
  QLabel *imgLogo = nullptr;
  QLabel *lblVersion = nullptr;
  QLabel *lblProductName = nullptr;

public slots:
  void cmdOK_Click();

private:
  void createControls();
  void Form_Load();
};
