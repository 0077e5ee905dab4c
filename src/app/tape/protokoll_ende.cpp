#include "app/tape/protokoll_ende.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/shared/datei_speichern.h"
#include "app/shared/message_seam.h"
#include "app/tape/protokoll_ablage.h"
#include "app/tape/protokoll_datei.h"
#include "app/tape/protokoll_json.h"

namespace staffel::app {

namespace {

QString uebersetzt(const char* text) {
    return QCoreApplication::translate("frmProtokoll", text);
}

EndeWahl frageWirklich(QWidget* haupt, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("frmProtokoll", "Protokoll"),
                    text, QMessageBox::NoButton, haupt);
    const auto knopf = [&box](const char* name, const char* text, QMessageBox::ButtonRole rolle) {
        QPushButton* k = box.addButton(uebersetzt(text), rolle);
        k->setObjectName(QLatin1String(name));
        return k;
    };
    QPushButton* nochmal =
        knopf("cmdNochmal", QT_TRANSLATE_NOOP("frmProtokoll", "Nochmals versuchen"),
              QMessageBox::AcceptRole);
    QPushButton* anderswo =
        knopf("cmdAnderswo", QT_TRANSLATE_NOOP("frmProtokoll", "Anderswo speichern …"),
              QMessageBox::ActionRole);
    knopf("cmdOhneProtokoll", QT_TRANSLATE_NOOP("frmProtokoll", "Ohne Protokoll beenden"),
          QMessageBox::DestructiveRole);
    // Neither Enter nor Escape gives the tape up.
    box.setDefaultButton(nochmal);
    box.setEscapeButton(nochmal);
    box.exec();
    if (box.clickedButton() == nochmal) return EndeWahl::Wiederholen;
    return box.clickedButton() == anderswo ? EndeWahl::Anderswo : EndeWahl::OhneProtokoll;
}

QString speicherortWirklich(QWidget* haupt) {
    return frageSpeicherort(
        haupt, QCoreApplication::translate("frmProtokoll", "Protokoll speichern unter"),
        QStringLiteral("protokoll.json"),
        {QCoreApplication::translate("frmProtokoll", "Protokolldatei (*.json)"),
         QCoreApplication::translate("frmProtokoll", "CSV-Datei (*.csv)"),
         QCoreApplication::translate("frmProtokoll", "Textdatei (*.txt)")});
}

EndeDialoge& dialoge() {
    static EndeDialoge gesetzt;
    return gesetzt;
}

// A tape file can be put back in place of protokoll.json; CSV and text as the tape window saves.
QByteArray inhaltFuer(const QString& pfad, const ProtokollZeilen& zeilen) {
    if (hatEndung(pfad, QLatin1String("json"))) return protokollJson({zeilen, 0});
    if (hatEndung(pfad, QLatin1String("txt"))) return druckzeilen(zeilen).toUtf8();
    return protokollCsv(zeilen);
}

}  // namespace

void setzeEndeDialoge(EndeDialoge neu) {
    dialoge() = std::move(neu);
}

void sichereAmEnde(QWidget* haupt, ProtokollAblage& ablage) {
    const auto frage = dialoge().frage ? dialoge().frage : frageWirklich;
    const auto speicherort = dialoge().speicherort ? dialoge().speicherort : speicherortWirklich;
    // The question tells the reason; a note beside it would tell it twice.
    const QSignalBlocker ohneHinweis(ablage);
    while (ablage.hatUngesichertes() && !ablage.sichern()) {
        const QString text =
            QCoreApplication::translate("frmProtokoll",
                                        "Das Protokoll lässt sich nicht in %1 sichern: %2\n\n"
                                        "Nochmals versuchen, anderswo speichern oder ohne das "
                                        "Protokoll dieser Sitzung beenden?")
                .arg(QDir::toNativeSeparators(ablage.pfad()), ablage.fehlerGrund());
        switch (frage(haupt, text)) {
            case EndeWahl::Wiederholen:
                break;
            case EndeWahl::Anderswo: {
                const QString ziel = speicherort(haupt);
                // A failure there is told in its own box; the question comes again.
                if (ziel.isEmpty() ||
                    !speichereDatei(haupt, ziel, inhaltFuer(ziel, ablage.zeilen()))) {
                    break;
                }
                ablage.verwerfen();
                return;
            }
            case EndeWahl::OhneProtokoll:
                ablage.verwerfen();
                return;
        }
    }
}

void meldeSicherungsfehler(QWidget* haupt, ProtokollAblage& ablage) {
    QObject::connect(
        &ablage, &ProtokollAblage::sicherungGescheitert, haupt,
        [haupt, &ablage](const QString& grund) {
            zeigeHinweis(haupt,
                         {QCoreApplication::translate("frmProtokoll", "Protokoll"),
                          QCoreApplication::translate(
                              "frmProtokoll", "Das Protokoll lässt sich nicht in %1 sichern: %2")
                              .arg(QDir::toNativeSeparators(ablage.pfad()), grund),
                          QMessageBox::Warning});
        });
}

}  // namespace staffel::app
