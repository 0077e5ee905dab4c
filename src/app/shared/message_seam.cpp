#include "app/shared/message_seam.h"

#include <QCoreApplication>

namespace staffel::app {

namespace {
NachrichtenAnzeige& ersatz() {
    static NachrichtenAnzeige anzeige;
    return anzeige;
}
}  // namespace

Nachricht problem(const QString& text) {
    return {QCoreApplication::translate("Meldung", "Problem"), text, QMessageBox::Critical};
}

void zeigeNachricht(QWidget* parent, const Nachricht& nachricht) {
    if (ersatz()) {
        ersatz()(parent, nachricht);
        return;
    }
    QMessageBox box(nachricht.symbol, nachricht.titel, nachricht.text, QMessageBox::Ok, parent);
    box.exec();
}

void setzeNachrichtenAnzeige(NachrichtenAnzeige anzeige) {
    ersatz() = std::move(anzeige);
}

}  // namespace staffel::app
