#include "app/secondary/frm_aufloes.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "app/language/fenster_texte.h"
#include "app/secondary/secondary_layout.h"
#include "app/shared/fenster_tasten.h"

namespace staffel::app {

namespace {

constexpr FensterText kTexte[] = {
    {"frmAufloes", QT_TRANSLATE_NOOP("frmAufloes", "Auflösung dieser Rechenart")},
    {"lblstep", QT_TRANSLATE_NOOP("frmAufloes", " Auflösungsschritte:  Step(R) =")},
    {"lblAufliste", QT_TRANSLATE_NOOP("frmAufloes", " Auflösungsliste:")},
    {"cmdEaufl", QT_TRANSLATE_NOOP("frmAufloes", "Zurück")},
};

}  // namespace

FrmAufloes::FrmAufloes(const std::string& auflListe, int anzahlStellen, QWidget* parent)
    : QDialog(parent) {
    using namespace layout;
    setupWindow(this, "frmAufloes", QString(), twipsRect(1740, 6240, 12810, 3270),
                QColor(0xff, 0xff, 0xc0));

    const QColor gelb(0xff, 0xff, 0x00);
    const QFont fett = designFont(9.75, true);
    makeLabel(this, {"lblstep", QString(), twipsRect(240, 240, 3255, 255), gelb, fett});
    lblStpwert_ = makeLabel(
        this, {"lblStpwert", QStringLiteral("  ???"), twipsRect(3480, 240, 1455, 255), gelb, fett});
    makeLabel(this, {"lblAufliste", QString(), twipsRect(240, 600, 1815, 255), gelb, fett});
    lblListwert_ = makeLabel(
        this, {"lblListwert", QStringLiteral("derzeit leer"), twipsRect(240, 960, 12495, 2175),
               QColor(Qt::white), designFont(8.25, false), true});
    lblListwert_->setWordWrap(true);

    auto* zurueck = makeButton(this, "cmdEaufl", QString(), twipsRect(11400, 120, 1215, 375));
    zurueck->setFont(designFont(8.25, true));
    connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);
    fensterTasten(this);

    lblListwert_->setText(QString::fromStdString(auflListe));
    lblStpwert_->setText(QString::number(anzahlStellen));
    beschrifte(this, "frmAufloes", kTexte);
}

void FrmAufloes::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) beschrifte(this, "frmAufloes", kTexte);
    QDialog::changeEvent(event);
}

}  // namespace staffel::app
