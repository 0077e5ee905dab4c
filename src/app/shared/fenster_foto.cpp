#include "app/shared/fenster_foto.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "app/main_window/frm_haupt.h"

namespace staffel::app {

void fotografiereBeispiel(FrmHaupt& fenster) {
    const QString pfad = qEnvironmentVariable("STAFFELRECHNER_FOTO");
    if (pfad.isEmpty()) return;
    QObject::connect(&fenster, &FrmHaupt::calculationFinished, &fenster, [&fenster, pfad] {
        QCoreApplication::exit(fenster.grab().save(pfad, "PNG") ? 0 : 1);
    });
    // Once the event loop runs, as a user would type it.
    QTimer::singleShot(0, &fenster, [&fenster] {
        const char* const eingaben[][2] = {
            {"txtRechenart", "7"}, {"txtAufzahl", "00"}, {"txtBasis", "2"}, {"txtExponent", "3"}};
        for (const auto& [name, text] : eingaben) {
            fenster.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
        }
        fenster.findChild<QPushButton*>(QStringLiteral("cmdRechne"))->click();
    });
}

}  // namespace staffel::app
