#include "app/graph/graph_launcher.h"

#include "app/graph/frm_graph.h"
#include "app/graph/frm_werte.h"
#include "app/shared/engine_bridge.h"

namespace staffel::app {

void zeigeGraph(QWidget* parent, EngineBridge& bruecke) {
    {
        FrmWerte werte(bruecke.modul().Graph, parent);
        werte.exec();
    }
    FrmGraph graph(bruecke, parent);
    graph.exec();
}

}  // namespace staffel::app
