// A status bar of fixed-width text panels addressed by index from 1.
#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

namespace scene {

class PanelStatusBar : public QStatusBar {
  Q_OBJECT

public:
  explicit PanelStatusBar(QWidget *parent);

  // Adds the next panel with its text, tooltip and width in pixels.
  void addPanel(const QString &text, const QString &toolTip, int width);
  int panelCount() const { return int(panels_.size()); }
  QString panelText(int index) const;
  void setPanelText(int index, const QString &text);
  QLabel *panel(int index) const; // nullptr outside 1..panelCount()

private:
  QVector<QLabel *> panels_;
};

} // namespace scene
