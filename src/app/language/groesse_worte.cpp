#include "app/language/groesse_worte.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("frmHaupt", "Größe: %1").arg(groesseText(groesse));
}

}  // namespace staffel::app
