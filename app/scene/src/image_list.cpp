#include "image_list.h"

#include <QCoreApplication>

#include <stdexcept>

namespace scene {

void KeyedImageList::add(const QString &key, const QPixmap &picture) {
  entries_.push_back({key, picture});
}

const KeyedImageList::Entry &KeyedImageList::entry(int index) const {
  if (index < 1 || index > count())
    throw std::out_of_range("image list index " + std::to_string(index) + " outside 1.." +
                            std::to_string(count()));
  return entries_[index - 1];
}

const QPixmap &KeyedImageList::picture(int index) const { return entry(index).picture; }

const QString &KeyedImageList::key(int index) const { return entry(index).key; }

QString KeyedImageList::caption(int index, const char *context) const {
  return QCoreApplication::translate(context, entry(index).key.toUtf8().constData());
}

} // namespace scene
