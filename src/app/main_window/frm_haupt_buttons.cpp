// The buttons of the main window: operation and transform buttons, memory and constants,
// and the wiring of every control to its handler.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/language/engine_texts.h"
#include "app/main_window/frm_haupt.h"
#include "app/main_window/haupt_layout.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/message_seam.h"
#include "engine/model/umformung.h"
#include "engine/numbers/number_text.h"

namespace staffel::app {

void FrmHaupt::connectControls() {
    QWidget* surface = centralWidget();
    const auto button = [surface](const char* name) {
        return surface->findChild<QPushButton*>(QLatin1String(name));
    };
    const auto onClick = [this, &button](const char* name, auto handler) {
        connect(button(name), &QPushButton::clicked, this, handler);
    };

    for (QLineEdit* field : {txtRechenart_, txtAufzahl_, txtBasis_, txtExponent_}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this, field] { inputChanged(field); });
    }

    onClick("cmdRechne", [this] { calculate(); });
    onClick("cmdHalt", [this] { halt(); });
    onClick("cmdClear", [this] { clear(); });
    onClick("cmdEnde", [this] { ende(); });
    onClick("cmdAufl", [this] { zeigeAuflListe(this, auflListe_, anzahlStellen_); });
    onClick("cmdEulersch", [this] {
        if (bridge_.busy()) return;
        grenzwert_ = true;
        setExponentLimitColours();
        txtExponent_->setText(unendlichText_);
        calculate();
    });

    onClick("cmdPlus", [this] { operationButton("3", nullptr); });
    onClick("cmdMinus", [this] { operationButton("1/3", nullptr); });
    onClick("cmdMal", [this] { operationButton("4", nullptr); });
    onClick("cmdDiv", [this] { operationButton("1/4", nullptr); });
    onClick("cmdPot", [this] { operationButton("5", nullptr); });
    onClick("cmdSqrt", [this] { operationButton("1/5", "0"); });
    onClick("cmdLog", [this] { operationButton("1/5", "1"); });
    onClick("cmdHypPot", [this] { operationButton("6", nullptr); });

    onClick("cmdReiheP", [this] { transform(Umformung::Plus1); });
    onClick("cmdReiheM", [this] { transform(Umformung::Minus1); });
    onClick("cmdKehrwert", [this] { transform(Umformung::Kehrwert); });
    onClick("cmdSpiegel", [this] { transform(Umformung::Spiegel); });
    onClick("cmdNeuGes", [this] { transform(Umformung::Negativ); });

    onClick("cmdMemory", [this] { storeInMemory(lblErgebnis_->text()); });
    onClick("cmdMemtoBase", [this] { txtBasis_->setText(lblSpeicher_->text()); });
    onClick("cmdMemToExp", [this] { txtExponent_->setText(lblSpeicher_->text()); });
    onClick("cmdMax", [this] { storeInMemory(QString::fromStdString(ZahlText(GroessteZahl))); });
    onClick("cmdMin", [this] {
        storeInMemory(QLatin1Char(' ') + QString::fromStdString(ZahlText(-GroessteZahl)));
    });
    onClick("cmdPi", [this] { storeInMemory(QString::fromStdString(ZahlText(3.14159265358979))); });
    onClick("cmdEulerE",
            [this] { storeInMemory(QString::fromStdString(ZahlText(2.71828182845905))); });
}

void FrmHaupt::operationButton(const char* rechenart, const char* aufzahl) {
    txtRechenart_->setText(QLatin1String(rechenart));
    if (aufzahl != nullptr) txtAufzahl_->setText(QLatin1String(aufzahl));
}

void FrmHaupt::transform(Umformung art) {
    GelesenerBruch bruch;
    if (const auto fehler = RechenzahlAusText(txtRechenart_->text().toStdString(), bruch)) {
        zeigeNachricht(this, problem(engineText(*fehler)));
        return;
    }
    const UmgeformterBruch neu = Umformen(art, bruch.zaehler, bruch.nenner);
    if (neu.fehler != TextId::Keine) {
        zeigeNachricht(this, problem(engineText(neu.fehler)));
        return;
    }
    txtRechenart_->setText(QString::fromStdString(neu.text));
}

void FrmHaupt::storeInMemory(const QString& text) {
    lblSpeicher_->setText(text);
}

}  // namespace staffel::app
