// One legend under both charts of a phase diagram: a legend inside each
// chart would squeeze its plot. Each entry shows its mark as the charts draw
// it (shape, fill and outline, a line's dashes) beside its name.
#pragma once

#include <QPixmap>
#include <QWidget>

class QGridLayout;
class QLabel;
class QScatterSeries;
class QXYSeries;

namespace lab {

// The picture of a mark: the scatter series' marker (shape, brush and pen),
// drawn over the line series' pen across the picture; either may be absent.
QPixmap legendIcon(const QScatterSeries *mark, const QXYSeries *line);

class PhaseLegend : public QWidget {
  Q_OBJECT

public:
  explicit PhaseLegend(QWidget *parent);
  void addEntry(const QString &name, const QScatterSeries *mark, const QXYSeries *line);
  // The entries' names, in order.
  QStringList names() const { return names_; }
  // Draws every mark again as its series now looks (after the charts'
  // colours changed).
  void redraw();

private:
  struct Entry {
    QLabel *icon;
    const QScatterSeries *mark;
    const QXYSeries *line;
  };
  QGridLayout *grid_ = nullptr;
  QStringList names_;
  QList<Entry> entries_;
};

} // namespace lab
