#include "app/shared/befehlszeile.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "app/language/sprache.h"
#include "app/tape/protokoll_ablage.h"

namespace staffel::app {

namespace {

bool fragtHilfe(const QStringList& argumente) {
    return argumente.contains(QLatin1String("--help")) || argumente.contains(QLatin1String("-h"));
}

bool fragtVersion(const QStringList& argumente) {
    return argumente.contains(QLatin1String("--version"));
}

void schreibe(std::FILE* ziel, const QString& text) {
    std::fputs(text.toUtf8().constData(), ziel);
}

}  // namespace

bool antwortOhneFenster(const QStringList& argumente) {
    return fragtHilfe(argumente) || fragtVersion(argumente) ||
           spracheAusArgumenten(argumente).fehler != nullptr;
}

int beantworte(const QStringList& argumente) {
    const Sprachwahl wahl = spracheAusArgumenten(argumente);
    setzeSprache(wahl.fehler ? gemerkteSprache() : startSprache(wahl));
    if (wahl.fehler) {
        schreibe(
            stderr,
            QStringLiteral("staffelrechner: %1\n%2\n")
                .arg(QCoreApplication::translate("Aufruf", wahl.fehler).arg(wahl.fehlerWert),
                     QCoreApplication::translate("Aufruf", "Mehr dazu: staffelrechner --help")));
        return 2;
    }
    if (fragtHilfe(argumente)) {
        schreibe(stdout,
                 QCoreApplication::translate(
                     "Aufruf",
                     "Aufruf: staffelrechner [--lang de|en]\n"
                     "       staffelrechner --help | --version\n"
                     "\n"
                     "Öffnet den Staffelrechner, einen Taschenrechner für die Rechenarten\n"
                     "m[R, A][b, e] der Staffellehre.\n"
                     "\n"
                     "  --lang de|en  Sprache der Fenster für diesen Lauf; ohne die Option\n"
                     "                gilt die zuletzt im Menü gewählte, anfangs Deutsch\n"
                     "  -h, --help    dieser Text\n"
                     "  --version     die Version\n"
                     "\n"
                     "Das Protokoll der Rechnungen bleibt von Lauf zu Lauf erhalten in\n"
                     "%1\n"
                     "Mehr in: man staffelrechner\n")
                     .arg(QDir::toNativeSeparators(ProtokollAblage::standardPfad())));
        return 0;
    }
    schreibe(stdout, QStringLiteral("staffelrechner %1\n").arg(QStringLiteral(STAFFEL_VERSION)));
    return 0;
}

}  // namespace staffel::app
