#include "app/frm_aufloes.h"

#include <QLabel>
#include <QPushButton>

#include "app/secondary_layout.h"
#include "engine/modul_ra.h"

namespace staffel::app {

FrmAufloes::FrmAufloes(const ModulRA& modul, QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setObjectName(QStringLiteral("frmAufloes"));
    setWindowTitle(QStringLiteral("Auflösung dieser Rechenart"));
    const QRect client = twipsRect(1740, 6240, 12810, 3270);
    setGeometry(client);
    setFixedSize(client.size());
    setBackground(this, QColor(0xff, 0xff, 0xc0));

    const QColor gelb(0xff, 0xff, 0x00);
    const QFont fett = sansSerif(9.75, true);
    makeLabel(this, {"lblstep", QStringLiteral(" Auflösungsschritte:  Step(R) ="),
                     twipsRect(240, 240, 3255, 255), gelb, fett});
    lblStpwert_ = makeLabel(
        this, {"lblStpwert", QStringLiteral("  ???"), twipsRect(3480, 240, 1455, 255), gelb, fett});
    makeLabel(this, {"lblAufliste", QStringLiteral(" Auflösungsliste:"),
                     twipsRect(240, 600, 1815, 255), gelb, fett});
    lblListwert_ = makeLabel(
        this, {"lblListwert", QStringLiteral("derzeit leer"), twipsRect(240, 960, 12495, 2175),
               QColor(Qt::white), sansSerif(8.25, false), true});
    lblListwert_->setWordWrap(true);

    auto* zurueck = new QPushButton(QStringLiteral("Zurück"), this);
    zurueck->setObjectName(QStringLiteral("cmdEaufl"));
    zurueck->setGeometry(twipsRect(11400, 120, 1215, 375));
    zurueck->setFont(sansSerif(8.25, true));
    connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);

    lblListwert_->setText(QString::fromStdString(modul.AuflListe));
    lblStpwert_->setText(QString::number(modul.AnzahlStellen));
}

}  // namespace staffel::app
