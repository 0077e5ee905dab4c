#include "app/graph_launcher.h"

#include "app/engine_bridge.h"
#include "app/frm_graph.h"
#include "app/frm_werte.h"

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
