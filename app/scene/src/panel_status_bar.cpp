#include "panel_status_bar.h"

#include "caption_fit.h"

#include <QLabel>

namespace scene {

PanelStatusBar::PanelStatusBar(QWidget *parent) : QStatusBar(parent) { setSizeGripEnabled(false); }

void PanelStatusBar::addPanel(const QString &text, const QString &toolTip, int width) {
  auto *label = new QLabel(text, this);
  label->setToolTip(toolTip);
  label->setFixedWidth(width);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setIndent(2); // the panels are narrow: keep the text close to the frame
  addWidget(label);
  fitCaption(label);
  panels_.push_back(label);
}

QLabel *PanelStatusBar::panel(int index) const {
  return index >= 1 && index <= panelCount() ? panels_[index - 1] : nullptr;
}

QString PanelStatusBar::panelText(int index) const {
  const QLabel *label = panel(index);
  return label != nullptr ? label->text() : QString();
}

void PanelStatusBar::setPanelText(int index, const QString &text) {
  if (QLabel *label = panel(index)) {
    label->setText(text);
    fitCaption(label);
  }
}

} // namespace scene
