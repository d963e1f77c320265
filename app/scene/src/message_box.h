// Every message the window shows goes through one function, so that tests
// can record messages instead of blocking on a modal box.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace scene {

using MessageSink = std::function<void(const QString &title, const QString &text)>;

// Shows a warning box (or hands the message to the installed sink).
void showMessage(QWidget *parent, const QString &title, const QString &text);
// Installs a sink for the messages; an empty sink restores the message box.
void setMessageSink(MessageSink sink);

} // namespace scene
