// What the Lab gives screen readers beyond Qt's own: each graph as a chart
// whose description tells it in words (its axes and ranges, the latest value
// of each series), kept current as the graph moves.
#pragma once

namespace lab {

// Installs the Lab's accessible interfaces; the program calls it once at
// start, and calling it again changes nothing.
void installAccessibility();

} // namespace lab
