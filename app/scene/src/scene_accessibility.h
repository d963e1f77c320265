// What a screen reader learns of the main window's own widgets: the places
// in the landscape as buttons it can press, the atom view as a picture with
// a summary of what it shows, and the thermometer's reading.
#pragma once

namespace scene {

// Installs the factory of these accessible interfaces; installing again
// changes nothing. Call it once the application object exists.
void installAccessibility();

} // namespace scene
