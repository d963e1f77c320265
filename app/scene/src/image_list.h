// A small list of pictures with text keys, addressed by index from 1.
#pragma once

#include <QPixmap>
#include <QString>
#include <QVector>

namespace scene {

class KeyedImageList {
public:
  void add(const QString &key, const QPixmap &picture);
  int count() const { return int(entries_.size()); }
  // Index 1 is the first picture; an index outside 1..count() throws std::out_of_range.
  const QPixmap &picture(int index) const;
  const QString &key(int index) const;
  // The key as the user reads it: keys are English texts marked with
  // QT_TRANSLATE_NOOP in `context`, translated here where they are shown.
  QString caption(int index, const char *context) const;

private:
  struct Entry {
    QString key;
    QPixmap picture;
  };
  const Entry &entry(int index) const;
  QVector<Entry> entries_;
};

} // namespace scene
