#include "app/tape/protokoll_datei.h"

#include <QStringList>

namespace staffel::app {

namespace {

// Quoted only where the separator, a quote or a line break would otherwise split the cell.
QString zelle(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString artText(ZeilenArt art) {
    switch (art) {
        case ZeilenArt::Abgelehnt:
            return QStringLiteral("abgelehnt");
        case ZeilenArt::Graph:
            return QStringLiteral("Graph");
        case ZeilenArt::Wert:
            break;
    }
    return QStringLiteral("Wert");
}

}  // namespace

QByteArray protokollCsv(const ProtokollZeilen& zeilen) {
    QString csv = QStringLiteral(
        "Rechenzahl;Auflösungszahl;Basis;Exponent;Ergebnis;Meldung;Name;gültig;Größe;Art\n");
    for (const ProtokollZeile& z : zeilen) {
        const QStringList zellen{z.rechenart,
                                 z.aufzahl,
                                 z.basis,
                                 z.exponent,
                                 ausgangsText(z).isEmpty() ? z.ergebnis.trimmed() : QString(),
                                 ausgangsText(z).trimmed(),
                                 z.name.trimmed(),
                                 z.gueltig ? QStringLiteral("ja") : QStringLiteral("nein"),
                                 z.groesse,
                                 artText(z.art)};
        for (qsizetype i = 0; i < zellen.size(); ++i) {
            if (i > 0) csv += QLatin1Char(';');
            csv += zelle(zellen[i]);
        }
        csv += QLatin1Char('\n');
    }
    return csv.toUtf8();
}

QString druckzeilen(const ProtokollZeilen& zeilen) {
    QString text;
    for (const ProtokollZeile& z : zeilen) text += protokollText(z) + QLatin1Char('\n');
    return text;
}

}  // namespace staffel::app
