#include "app/language/groesse_worte.h"

#include <QCoreApplication>

#include "engine/size/groesse.h"

namespace staffel::app {

QString groesseText(const QString& groesse) {
    const QString mehrAls = QStringLiteral("mehr als ");
    // A negative size carries its sign before the words.
    const qsizetype vorzeichen = groesse.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (groesse.mid(vorzeichen, mehrAls.size()) != mehrAls) return groesse;
    return groesse.left(vorzeichen) + QCoreApplication::translate("frmHaupt", "mehr als") +
           QLatin1Char(' ') + groesse.mid(vorzeichen + mehrAls.size());
}

QString groesseZeile(const QString& groesse) {
    // The result label keeps its prescribed overflow text; the size line says which way the
    // result really left the doubles.
    if (istKleinText(groesse.toStdString())) {
        return QCoreApplication::translate("frmHaupt", "Größe: %1 (winzig: |Ergebnis| < 10^-308)")
            .arg(groesseText(groesse));
    }
    return QCoreApplication::translate("frmHaupt", "Größe: %1").arg(groesseText(groesse));
}

}  // namespace staffel::app
