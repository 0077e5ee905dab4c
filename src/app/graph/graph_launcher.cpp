#include "app/graph/graph_launcher.h"

#include "app/graph/frm_graph.h"
#include "app/graph/frm_werte.h"
#include "app/graph/graph_lage.h"
#include "app/shared/engine_bridge.h"
#include "engine/run/antwort.h"

namespace staffel::app {

void zeigeGraph(QWidget* parent, EngineBridge& bruecke, GraphEinstellungen& einstellungen,
                const Antwort& antwort) {
    {
        FrmWerte werte(einstellungen, parent);
        werte.exec();
    }
    FrmGraph graph(bruecke, einstellungen, antwort.formel, antwort.nameId, parent);
    stelleNebenHaupt(&graph, parent);
    graph.exec();
}

}  // namespace staffel::app
