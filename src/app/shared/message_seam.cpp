#include "app/shared/message_seam.h"

#include <QCoreApplication>
#include <QLabel>

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

void nenneSymbol(QMessageBox& box) {
    const char* name = nullptr;
    switch (box.icon()) {
        case QMessageBox::Critical:
            name = QT_TRANSLATE_NOOP("Meldung", "Fehler");
            break;
        case QMessageBox::Warning:
            name = QT_TRANSLATE_NOOP("Meldung", "Warnung");
            break;
        case QMessageBox::Question:
            name = QT_TRANSLATE_NOOP("Meldung", "Frage");
            break;
        case QMessageBox::Information:
            name = QT_TRANSLATE_NOOP("Meldung", "Hinweis");
            break;
        case QMessageBox::NoIcon:
            return;
    }
    for (QLabel* bild : box.findChildren<QLabel*>()) {
        if (!bild->pixmap().isNull()) {
            bild->setAccessibleName(QCoreApplication::translate("Meldung", name));
        }
    }
}

void zeigeNachricht(QWidget* parent, const Nachricht& nachricht) {
    if (ersatz()) {
        ersatz()(parent, nachricht);
        return;
    }
    QMessageBox box(nachricht.symbol, nachricht.titel, nachricht.text, QMessageBox::Ok, parent);
    nenneSymbol(box);
    box.exec();
}

void zeigeHinweis(QWidget* parent, const Nachricht& nachricht) {
    if (ersatz()) {
        ersatz()(parent, nachricht);
        return;
    }
    auto* box =
        new QMessageBox(nachricht.symbol, nachricht.titel, nachricht.text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void setzeNachrichtenAnzeige(NachrichtenAnzeige anzeige) {
    ersatz() = std::move(anzeige);
}

}  // namespace staffel::app
