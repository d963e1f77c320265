#include "message_layer.h"

#include <cstdio>

namespace pavex {
namespace {

void writeToStandardError(const char *caption, const char *text) {
  std::fprintf(stderr, "%s\n%s\n\n", caption, text);
}

MessageSink currentSink = writeToStandardError;

} // namespace

void setMessageSink(MessageSink sink) {
  currentSink = sink != nullptr ? sink : writeToStandardError;
}

void showMessage(const char *caption, const char *text) { currentSink(caption, text); }

} // namespace pavex
