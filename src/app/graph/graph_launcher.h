#pragma once

#include "engine/graph/graph_einstellungen.h"

class QWidget;

namespace staffel {
struct Antwort;
}

namespace staffel::app {

class EngineBridge;

// The graph case of the calculate command: the settings window, then the graph window,
// both modal, the graph sampled on bruecke's calculation thread. Returns when the graph window
// has been closed. antwort is the bridge's ModulRA's answer whose ausgang is Graph, and no
// calculation runs on it; einstellungen are the window's graph settings, which both windows
// change.
void zeigeGraph(QWidget* parent, EngineBridge& bruecke, GraphEinstellungen& einstellungen,
                const Antwort& antwort);

}  // namespace staffel::app
