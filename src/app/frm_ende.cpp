#include "app/frm_ende.h"

#include <QLabel>
#include <QPushButton>

#include "app/secondary_layout.h"

namespace staffel::app {

FrmEnde::FrmEnde(QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setObjectName(QStringLiteral("frmEnde"));
    setWindowTitle(QStringLiteral("Aufhören?"));
    const QRect client = twipsRect(2880, 4470, 5685, 2145);
    setGeometry(client);
    setFixedSize(client.size());
    setBackground(this, QColor(0xff, 0x80, 0x80));

    const QFont fett = sansSerif(13.5, true);
    makeLabel(this, {"lblWirklich", QStringLiteral("Aufhören ?"), twipsRect(1560, 840, 2775, 495),
                     QColor(0xff, 0xc0, 0xc0), fett, true, true});

    auto* nein = new QPushButton(QStringLiteral("Nein"), this);
    nein->setObjectName(QStringLiteral("cmdENein"));
    nein->setGeometry(twipsRect(4080, 1560, 1575, 495));
    nein->setFont(fett);
    auto* ja = new QPushButton(QStringLiteral("Ja"), this);
    ja->setObjectName(QStringLiteral("cmdEJa"));
    ja->setGeometry(twipsRect(240, 1560, 1575, 495));
    ja->setFont(fett);
    ja->setAutoDefault(false);

    setTabOrder(nein, ja);
    nein->setDefault(true);
    nein->setFocus();

    connect(nein, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace staffel::app
