#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace staffel::app {

// Every message box of the program goes through here, so tests can observe the boxes
// instead of blocking on them.
struct Nachricht {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
};

// The box of a refused input or a failure: titled "Problem", with the critical icon.
Nachricht problem(const QString& text);

// Names the box's icon by what it tells (an error, a warning, a question, a hint) for screen
// readers, which otherwise meet an unnamed picture.
void nenneSymbol(QMessageBox& box);

using NachrichtenAnzeige = std::function<void(QWidget* parent, const Nachricht&)>;

// Shows a modal box with a single OK button (or hands it to the installed test seam).
// Must be called on the UI thread.
void zeigeNachricht(QWidget* parent, const Nachricht& nachricht);

// Shows a box that does not wait for its OK (or hands it to the installed test seam), for what
// the program tells while the user goes on working. Must be called on the UI thread.
void zeigeHinweis(QWidget* parent, const Nachricht& nachricht);

// Replaces the modal box and the box that does not wait, for tests; an empty function restores
// the real boxes.
void setzeNachrichtenAnzeige(NachrichtenAnzeige anzeige);

}  // namespace staffel::app
