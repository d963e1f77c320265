// The program's command line:
// Corvanta [FILE.ams] [--lab] [--large-view] [--experiment NAME].
#pragma once

#include <QString>
#include <QStringList>

class frmOrvelModel;

namespace scene {

struct CommandLine {
  QString scenarioFile; // empty: none given
  bool lab = false;
  bool largeView = false;
  QString experiment; // a shipped or own experiment's title or file name, or a file
};

// Reads the arguments, the program's name first. --help, --version and a
// mistake print their text and end the program, as for any command.
CommandLine readCommandLine(const QStringList &arguments);

// What the command line asks of the started window: the file runs (or its
// message shows), the Lab and the large view open.
void applyCommandLine(frmOrvelModel &window, const CommandLine &line);

} // namespace scene
