#include "app/shared/datei_speichern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

#include "app/shared/message_seam.h"

namespace staffel::app {

namespace {

// Remembered for the run only.
QString& letzterOrdner() {
    static QString ordner = [] {
        const QString dokumente =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
    }();
    return ordner;
}

// "CSV-Datei (*.csv)" -> "csv".
QString endungDesFilters(const QString& filter) {
    static const QRegularExpression muster(QStringLiteral(R"(\(\*\.(\w+)\))"));
    return muster.match(filter).captured(1);
}

// Whether text holds muster, whose %1 stands for any text (a file's name).
bool enthaeltMuster(const QString& text, const QString& muster) {
    qsizetype ab = 0;
    for (const QString& teil : muster.split(QStringLiteral("%1"))) {
        ab = text.indexOf(teil, ab);
        if (ab < 0) return false;
        ab += teil.size();
    }
    return true;
}

}  // namespace

QString grundInFensterSprache(const QString& grund) {
    struct Grund {
        const char* kontext;  // where Qt's catalogue keeps its words
        const char* englisch;
        const char* text;
    };
    static constexpr Grund kGruende[] = {
        {"QIODevice", "Permission denied",
         QT_TRANSLATE_NOOP("Meldung", "Keine Berechtigung, in diesen Ordner zu schreiben.")},
        {"QIODevice", "No space left on device",
         QT_TRANSLATE_NOOP("Meldung", "Der Datenträger ist voll.")},
        {"QIODevice", "No such file or directory",
         QT_TRANSLATE_NOOP("Meldung", "Den Ordner gibt es nicht.")},
        {"QSaveFile", "Existing file %1 is not writable",
         QT_TRANSLATE_NOOP("Meldung", "Die Datei ist schreibgeschützt.")},
    };
    for (const Grund& g : kGruende) {
        // Qt's own catalogue may have put it into German already.
        if (enthaeltMuster(grund, QLatin1String(g.englisch)) ||
            enthaeltMuster(grund, QCoreApplication::translate(g.kontext, g.englisch))) {
            return QCoreApplication::translate("Meldung", g.text);
        }
    }
    return grund;
}

QString frageSpeicherort(QWidget* parent, const QString& titel, const QString& vorschlag,
                         const QStringList& filter) {
    QString gewaehlt = filter.value(0);
    QString pfad =
        QFileDialog::getSaveFileName(parent, titel, QDir(letzterOrdner()).filePath(vorschlag),
                                     filter.join(QStringLiteral(";;")), &gewaehlt);
    if (pfad.isEmpty()) return pfad;
    if (const QString endung = endungDesFilters(gewaehlt);
        !endung.isEmpty() && QFileInfo(pfad).suffix().isEmpty()) {
        pfad += QLatin1Char('.') + endung;
    }
    letzterOrdner() = QFileInfo(pfad).absolutePath();
    return pfad;
}

bool hatEndung(const QString& pfad, QLatin1String endung) {
    return QFileInfo(pfad).suffix().compare(endung, Qt::CaseInsensitive) == 0;
}

bool speichereDatei(QWidget* parent, const QString& pfad, const Schreiber& schreiben) {
    QSaveFile datei(pfad);
    QString grund;
    if (!datei.open(QIODevice::WriteOnly)) {
        grund = datei.errorString();
    } else if (!schreiben(datei)) {
        grund =
            datei.error() != QFileDevice::NoError
                ? datei.errorString()
                : QCoreApplication::translate("Meldung", "Der Inhalt ließ sich nicht erzeugen.");
        datei.cancelWriting();
    } else if (!datei.commit()) {
        grund = datei.errorString();
    }
    if (grund.isEmpty()) return true;
    grund = grundInFensterSprache(grund);
    zeigeNachricht(parent, problem(QCoreApplication::translate(
                                       "Meldung", "Die Datei %1 kann nicht gespeichert werden:\n%2")
                                       .arg(QDir::toNativeSeparators(pfad), grund)));
    return false;
}

bool speichereDatei(QWidget* parent, const QString& pfad, const QByteArray& inhalt) {
    return speichereDatei(
        parent, pfad, [&inhalt](QIODevice& datei) { return datei.write(inhalt) == inhalt.size(); });
}

}  // namespace staffel::app
