#include "app/language/sprache.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "app/shared/message_seam.h"

namespace staffel::app {

namespace {

const QString kSchluessel = QStringLiteral("Sprache");
const QString kOption = QStringLiteral("--lang");
// The translator is a child of the application, so the application's life bounds it and
// its presence is the current language.
const QString kUebersetzerName = QStringLiteral("staffelrechner_en");
const QString kUebersetzung = QStringLiteral(":/i18n/staffelrechner_en.qm");
// Qt's own texts (file dialog, standard buttons) are English at source; in German they need
// Qt's German catalogue, which the system installs beside Qt.
const QString kQtUebersetzerName = QStringLiteral("qtbase_de");

QTranslator* installierterUebersetzer(const QString& name = kUebersetzerName) {
    QCoreApplication* app = QCoreApplication::instance();
    return app ? app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}

void entferne(QTranslator* uebersetzer) {
    if (uebersetzer == nullptr) return;
    QCoreApplication::removeTranslator(uebersetzer);
    delete uebersetzer;
}

QTranslator* installiere(const QString& name, const QString& datei, const QString& ordner = {}) {
    auto* uebersetzer = new QTranslator(QCoreApplication::instance());
    uebersetzer->setObjectName(name);
    if (!uebersetzer->load(datei, ordner) || !QCoreApplication::installTranslator(uebersetzer)) {
        delete uebersetzer;
        return nullptr;
    }
    return uebersetzer;
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
                wahl.fehler =
                    QT_TRANSLATE_NOOP("Aufruf", "--lang braucht eine Sprache: de oder en");
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
            wahl.fehler = QT_TRANSLATE_NOOP("Aufruf", "unbekannte Sprache „%1“: de oder en");
            wahl.fehlerWert = wert;
            return wahl;
        }
    }
    return wahl;
}

Sprache gemerkteSprache() {
    return spracheAusKuerzel(QSettings().value(kSchluessel).toString()).value_or(Sprache::Deutsch);
}

void merkeSprache(Sprache sprache) {
    QSettings einstellungen;
    einstellungen.setValue(kSchluessel, sprachKuerzel(sprache));
    einstellungen.sync();
    if (einstellungen.status() == QSettings::NoError) return;
    zeigeNachricht(QApplication::activeWindow(),
                   problem(QCoreApplication::translate(
                               "Meldung",
                               "Die Sprachwahl lässt sich nicht in %1 speichern; der nächste "
                               "Start beginnt in der bisherigen Sprache.")
                               .arg(einstellungen.fileName())));
}

Sprache startSprache(const Sprachwahl& wahl) {
    return wahl.sprache.value_or(gemerkteSprache());
}

bool setzeSprache(Sprache sprache) {
    if (sprache == Sprache::Deutsch) {
        entferne(installierterUebersetzer());
        // Without Qt's catalogue its dialogs stay English; the program itself is still German.
        if (installierterUebersetzer(kQtUebersetzerName) == nullptr) {
            installiere(kQtUebersetzerName, kQtUebersetzerName,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        }
        return true;
    }
    entferne(installierterUebersetzer(kQtUebersetzerName));
    return installierterUebersetzer() != nullptr ||
           installiere(kUebersetzerName, kUebersetzung) != nullptr;
}

Sprache aktuelleSprache() {
    return installierterUebersetzer() ? Sprache::Englisch : Sprache::Deutsch;
}

}  // namespace staffel::app
