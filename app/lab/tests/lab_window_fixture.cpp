#include "lab_window_fixture.h"

#include "settings/settings.h"

void LabWindowTest::openLab() {
  lab.reset();
  lab = std::make_unique<lab::LabWindow>(controller, QList<QAction *>{}, nullptr);
  // The main window's part: the unit chosen in the Lab comes back to it.
  QObject::connect(lab.get(), &lab::LabWindow::unitChosen, lab.get(), &lab::LabWindow::setUnit);
  lab->show();
}

// What a test remembered is forgotten, so that the next Lab starts afresh.
void LabWindowTest::TearDown() {
  lab.reset();
  settings::setPressureUnit(analysis::PressureUnit::Kilopascal);
  settings::setLabGeometry({});
}
