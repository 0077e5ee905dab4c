#include "app/frm_ende.h"

#include <QLabel>
#include <QPushButton>

#include "app/secondary_layout.h"

namespace staffel::app {

FrmEnde::FrmEnde(QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setupWindow(this, "frmEnde", QStringLiteral("Aufhören?"), twipsRect(2880, 4470, 5685, 2145),
                QColor(0xff, 0x80, 0x80));

    const QFont fett = designFont(13.5, true);
    makeLabel(this, {"lblWirklich", QStringLiteral("Aufhören ?"), twipsRect(1560, 840, 2775, 495),
                     QColor(0xff, 0xc0, 0xc0), fett, true, true});

    auto* nein =
        makeButton(this, "cmdENein", QStringLiteral("Nein"), twipsRect(4080, 1560, 1575, 495));
    nein->setFont(fett);
    auto* ja = makeButton(this, "cmdEJa", QStringLiteral("Ja"), twipsRect(240, 1560, 1575, 495));
    ja->setFont(fett);
    ja->setAutoDefault(false);

    setTabOrder(nein, ja);
    nein->setDefault(true);
    nein->setFocus();

    connect(nein, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace staffel::app
