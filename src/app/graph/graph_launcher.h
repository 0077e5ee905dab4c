#pragma once

class QWidget;

namespace staffel::app {

class EngineBridge;

// The graph case of the calculate command: the settings window, then the graph window,
// both modal, the graph sampled on bruecke's calculation thread. Returns when the graph window
// has been closed. FormelText, the Rechenzahl (RZaehler, RNenner), AufZahl, BasisText and
// ExponentText are set in the bridge's ModulRA, and no calculation runs on it.
void zeigeGraph(QWidget* parent, EngineBridge& bruecke);

}  // namespace staffel::app
