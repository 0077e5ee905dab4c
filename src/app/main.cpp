#include <QApplication>
#include <cstdio>

#include "app/frm_haupt.h"
#include "app/sprache.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The remembered language lives in the platform's usual settings place under these names.
    // The application keeps the program's own name, which screen readers and tools announce.
    QCoreApplication::setOrganizationName(QStringLiteral("Staffelrechner"));
    QCoreApplication::setApplicationName(QStringLiteral("staffelrechner"));

    const staffel::app::Sprachwahl wahl = staffel::app::spracheAusArgumenten(app.arguments());
    if (!wahl.fehler.isEmpty()) {
        std::fprintf(stderr, "staffelrechner: %s\n", qUtf8Printable(wahl.fehler));
        return 2;
    }
    if (!staffel::app::setzeSprache(staffel::app::startSprache(wahl))) {
        std::fprintf(stderr, "staffelrechner: die englische Übersetzung fehlt\n");
    }

    staffel::app::frmHaupt fenster;
    fenster.show();
    return app.exec();
}
