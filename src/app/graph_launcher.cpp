#include "app/graph_launcher.h"

#include "app/frm_graph.h"
#include "app/frm_werte.h"

namespace staffel::app {

void zeigeGraph(QWidget* parent, ModulRA& modul) {
    {
        FrmWerte werte(modul.Graph, parent);
        werte.exec();
    }
    FrmGraph graph(modul, parent);
    graph.exec();
}

}  // namespace staffel::app
