#include "app/main_window/calculation_printer.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/shared/message_seam.h"

namespace staffel::app {

namespace {

// One print job with one page holding the line at the printer's first position. False when
// there is no default printer, it reports an error, or the job cannot be produced; a job
// that the print system accepts but later loses is beyond what Qt lets us see.
bool druckeZeile(const QString& zeile) {
    const QPrinterInfo drucker = QPrinterInfo::defaultPrinter();
    if (drucker.isNull() || drucker.state() == QPrinter::Error) return false;

    QPrinter printer(drucker);
    if (!printer.isValid()) return false;
    printer.setDocName(QStringLiteral("Staffelrechner"));

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font(QStringLiteral("arial"));
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &printer);
    painter.drawText(QPointF(0, metrics.ascent()), zeile);
    if (!painter.end()) return false;
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace

void RechnungsDrucker::setzeAktiv(bool aktiv) {
    if (aktiv && !aktiv_) gewarnt_ = false;
    aktiv_ = aktiv;
}

void RechnungsDrucker::RechnungsDruck(QWidget* parent, const QString& zeile) {
    if (!aktiv_) return;
    if (druckeZeile(zeile) || gewarnt_) return;
    gewarnt_ = true;
    zeigeNachricht(parent,
                   {QCoreApplication::translate("Meldung", "Drucken"),
                    QCoreApplication::translate("Meldung",
                                                "Die Rechnung kann nicht gedruckt werden: Es ist "
                                                "kein Drucker bereit. Das Ergebnis bleibt auf dem "
                                                "Bildschirm."),
                    QMessageBox::Warning});
}

}  // namespace staffel::app
