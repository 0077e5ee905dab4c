#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;
class QWidget;

namespace staffel::app {

// Asks for the name to save under in Qt's file dialog, which opens in the folder last saved to
// during this run and proposes vorschlag there. filter holds entries such as
// "CSV-Datei (*.csv)"; a name typed without suffix gets the suffix of the chosen entry.
// Empty when the user cancels.
QString frageSpeicherort(QWidget* parent, const QString& titel, const QString& vorschlag,
                         const QStringList& filter);

// Whether pfad's suffix is endung (given without the dot), in any letter case.
bool hatEndung(const QString& pfad, QLatin1String endung);

// Qt's reason for a failed file operation, told in the program's words and the window's
// language where it is one of the common causes: no permission, disk full, folder missing.
QString grundInFensterSprache(const QString& grund);

// Writes the file through a temporary file in the same folder that replaces pfad only once
// everything is written. On failure a "Problem" box tells the reason, and nothing half-written
// is left: an earlier file of that name keeps its content. schreiben returns false when it
// could not produce the content.
using Schreiber = std::function<bool(QIODevice& datei)>;
bool speichereDatei(QWidget* parent, const QString& pfad, const Schreiber& schreiben);
bool speichereDatei(QWidget* parent, const QString& pfad, const QByteArray& inhalt);

}  // namespace staffel::app
