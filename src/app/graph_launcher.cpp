#include "app/graph_launcher.h"

namespace staffel::app {

// Placeholder until the graph windows land.
void zeigeGraph(QWidget*, ModulRA&) {}

}  // namespace staffel::app
