#include "message_box.h"

#include <QMessageBox>

namespace scene {
namespace {
MessageSink &installedSink() {
  static MessageSink sink;
  return sink;
}
} // namespace

void showMessage(QWidget *parent, const QString &title, const QString &text) {
  if (const MessageSink &sink = installedSink())
    sink(title, text);
  else
    QMessageBox::warning(parent, title, text);
}

void setMessageSink(MessageSink sink) { installedSink() = std::move(sink); }

} // namespace scene
