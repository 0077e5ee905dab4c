#pragma once

class QWidget;

namespace staffel {
class ModulRA;
}

namespace staffel::app {

// The graph case of the calculate command: the settings window, then the graph window,
// both modal. Returns when the graph window has been closed. FormelText, the Rechenzahl
// (RZaehler, RNenner), AufZahl, BasisText and ExponentText are set in modul.
void zeigeGraph(QWidget* parent, ModulRA& modul);

}  // namespace staffel::app
