// The engine's own message output: a caption and a text per message, shown
// one after the other. By default both go to standard error.
#ifndef PAVEX_MESSAGE_LAYER_H
#define PAVEX_MESSAGE_LAYER_H

namespace pavex {

using MessageSink = void (*)(const char *caption, const char *text);

// Routes the messages to `sink`; nullptr restores standard error.
void setMessageSink(MessageSink sink);

void showMessage(const char *caption, const char *text);

} // namespace pavex

#endif
