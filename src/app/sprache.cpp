#include "app/sprache.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace staffel::app {

namespace {

const QString kSchluessel = QStringLiteral("Sprache");
const QString kOption = QStringLiteral("--lang");
// The translator is a child of the application, so the application's life bounds it and
// its presence is the current language.
const QString kUebersetzerName = QStringLiteral("staffelrechner_en");
const QString kUebersetzung = QStringLiteral(":/i18n/staffelrechner_en.qm");

QTranslator* installierterUebersetzer() {
    QCoreApplication* app = QCoreApplication::instance();
    return app ? app->findChild<QTranslator*>(kUebersetzerName, Qt::FindDirectChildrenOnly)
               : nullptr;
}

}  // namespace

QString sprachKuerzel(Sprache sprache) {
    return sprache == Sprache::Englisch ? QStringLiteral("en") : QStringLiteral("de");
}

std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel) {
    if (kuerzel == QLatin1String("de")) return Sprache::Deutsch;
    if (kuerzel == QLatin1String("en")) return Sprache::Englisch;
    return std::nullopt;
}

Sprachwahl spracheAusArgumenten(const QStringList& argumente) {
    Sprachwahl wahl;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        QString wert;
        if (argumente[i] == kOption) {
            if (i + 1 == argumente.size()) {
                wahl.fehler = QStringLiteral("--lang braucht eine Sprache: de oder en");
                return wahl;
            }
            wert = argumente[++i];
        } else if (argumente[i].startsWith(kOption + QLatin1Char('='))) {
            wert = argumente[i].mid(kOption.size() + 1);
        } else {
            continue;
        }
        wahl.sprache = spracheAusKuerzel(wert);
        if (!wahl.sprache) {
            wahl.fehler = QStringLiteral("unbekannte Sprache „%1“: de oder en").arg(wert);
            return wahl;
        }
    }
    return wahl;
}

Sprache gemerkteSprache() {
    return spracheAusKuerzel(QSettings().value(kSchluessel).toString()).value_or(Sprache::Deutsch);
}

void merkeSprache(Sprache sprache) {
    QSettings().setValue(kSchluessel, sprachKuerzel(sprache));
}

Sprache startSprache(const Sprachwahl& wahl) {
    return wahl.sprache.value_or(gemerkteSprache());
}

bool setzeSprache(Sprache sprache) {
    QTranslator* vorhanden = installierterUebersetzer();
    if (sprache == Sprache::Deutsch) {
        if (vorhanden) {
            QCoreApplication::removeTranslator(vorhanden);
            delete vorhanden;
        }
        return true;
    }
    if (vorhanden) return true;
    auto* uebersetzer = new QTranslator(QCoreApplication::instance());
    uebersetzer->setObjectName(kUebersetzerName);
    if (!uebersetzer->load(kUebersetzung) || !QCoreApplication::installTranslator(uebersetzer)) {
        delete uebersetzer;
        return false;
    }
    return true;
}

Sprache aktuelleSprache() {
    return installierterUebersetzer() ? Sprache::Englisch : Sprache::Deutsch;
}

}  // namespace staffel::app
