#include <QApplication>

#include "app/frm_haupt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    staffel::app::frmHaupt fenster;
    fenster.show();
    return app.exec();
}
