#include "app/secondary/frm_ende.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "app/language/fenster_texte.h"
#include "app/secondary/secondary_layout.h"
#include "app/shared/fenster_tasten.h"

namespace staffel::app {

namespace {

constexpr FensterText kTexte[] = {
    {"frmEnde", QT_TRANSLATE_NOOP("frmEnde", "Aufhören?")},
    {"lblWirklich", QT_TRANSLATE_NOOP("frmEnde", "Aufhören ?")},
    {"cmdENein", QT_TRANSLATE_NOOP("frmEnde", "Nein")},
    {"cmdEJa", QT_TRANSLATE_NOOP("frmEnde", "Ja")},
};

}  // namespace

FrmEnde::FrmEnde(QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setupWindow(this, "frmEnde", QString(), twipsRect(2880, 4470, 5685, 2145),
                QColor(0xff, 0x80, 0x80));

    const QFont fett = designFont(13.5, true);
    makeLabel(this, {"lblWirklich", QString(), twipsRect(1560, 840, 2775, 495),
                     QColor(0xff, 0xc0, 0xc0), fett, true, true});

    auto* nein = makeButton(this, "cmdENein", QString(), twipsRect(4080, 1560, 1575, 495));
    nein->setFont(fett);
    auto* ja = makeButton(this, "cmdEJa", QString(), twipsRect(240, 1560, 1575, 495));
    ja->setFont(fett);

    setTabOrder(nein, ja);
    nein->setDefault(true);
    nein->setFocus();

    connect(nein, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    fensterTasten(this);
    beschrifte(this, "frmEnde", kTexte);
}

void FrmEnde::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) beschrifte(this, "frmEnde", kTexte);
    QDialog::changeEvent(event);
}

}  // namespace staffel::app
