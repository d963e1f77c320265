// What a screen reader hears from the views' own painted widgets: the large
// view's atoms and the Interactions window's charts, each as a name and a
// summary of what it shows.
#pragma once

namespace views {

// Installs the views' accessibility factory; once is enough, again does
// nothing. Call it after the QApplication is made.
void installAccessibility();

} // namespace views
