#include <QApplication>
#include <cstdio>

#include "app/language/sprache.h"
#include "app/main_window/frm_haupt.h"
#include "app/shared/befehlszeile.h"
#include "app/shared/ende_bei_signal.h"
#include "app/shared/fenster_foto.h"
#include "app/tape/protokoll_ablage.h"
#include "app/tape/protokoll_ende.h"
#include "app/tape/protokoll_model.h"

int main(int argc, char** argv) {
    using namespace staffel::app;
    // The remembered language and the tape live in the platform's usual places under these
    // names. The application keeps the program's own name, which screen readers and tools
    // announce.
    QCoreApplication::setOrganizationName(QStringLiteral("Staffelrechner"));
    QCoreApplication::setApplicationName(QStringLiteral("staffelrechner"));

    // Help, the version and a malformed option are answered without opening a display.
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    if (antwortOhneFenster(argumente)) {
        QCoreApplication app(argc, argv);
        return beantworte(app.arguments());
    }

    QApplication app(argc, argv);
    if (!setzeSprache(startSprache(spracheAusArgumenten(app.arguments())))) {
        std::fprintf(stderr, "staffelrechner: die englische Übersetzung fehlt\n");
    }

    FrmHaupt fenster;
    ProtokollAblage ablage(*fenster.findChild<ProtokollModell*>(), ProtokollAblage::standardPfad());
    // Told from the start: a file that cannot be read is one that cannot be saved either.
    meldeSicherungsfehler(&fenster, ablage);
    ablage.laden();
    QObject::connect(&fenster, &FrmHaupt::wirdGeschlossen, &ablage,
                     [&fenster, &ablage] { sichereAmEnde(&fenster, ablage); });
    fenster.show();
    endeBeiSignal(&app);
    fotografiereBeispiel(fenster);
    const int status = app.exec();
    // Ended by a signal, the window was never closed and nobody is there to ask.
    if (ablage.hatUngesichertes() && !ablage.sichern()) {
        std::fprintf(stderr, "staffelrechner: %s\n",
                     qUtf8Printable(fenster.findChild<ProtokollModell*>()->hinweis()));
    }
    return status;
}
