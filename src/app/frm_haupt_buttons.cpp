// The buttons of the main window: operation and transform buttons, memory and constants,
// and the wiring of every control to its handler.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "app/frm_haupt.h"
#include "app/haupt_layout.h"
#include "app/message_seam.h"
#include "app/secondary_windows.h"
#include "engine/number_text.h"

namespace staffel::app {

namespace {

const QString kUnendlich = QStringLiteral(" +- Unendlich");

constexpr const char* kUmformungUeberlauf =
    "Diese Umformung ist nicht möglich: Zähler oder Nenner lägen außerhalb von -32768 bis "
    "32767!";
constexpr const char* kUmformungNennerNull =
    "Diese Umformung ist nicht möglich: Der Nenner wäre 0!";

struct Bruch {
    Int16 n;
    Int16 d;
};

std::optional<Int16> neg16(Int16 a) {
    return sub16(0, a);
}

void meldeProblem(QWidget* parent, const QString& text) {
    zeigeNachricht(parent, {QStringLiteral("Problem"), text, QMessageBox::Critical});
}

}  // namespace

void frmHaupt::connectControls() {
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
    onClick("cmdAufl", [this] { zeigeAuflListe(this, modul_); });
    onClick("cmdEulersch", [this] {
        if (bridge_.busy()) return;
        modul_.GrenzwertModus = true;
        setBackColour(txtExponent_, QColor(0x00, 0x00, 0x80));
        setForeColour(txtExponent_, QColor(0xff, 0xff, 0xff));
        txtExponent_->setText(kUnendlich);
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

    onClick("cmdReiheP", [this] { transform(Transform::Plus1); });
    onClick("cmdReiheM", [this] { transform(Transform::Minus1); });
    onClick("cmdKehrwert", [this] { transform(Transform::Reciprocal); });
    onClick("cmdSpiegel", [this] { transform(Transform::Mirror); });
    onClick("cmdNeuGes", [this] { transform(Transform::Negative); });

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

void frmHaupt::operationButton(const char* rechenart, const char* aufzahl) {
    txtRechenart_->setText(QLatin1String(rechenart));
    modul_.RechenartText = txtRechenart_->text().toStdString();
    if (aufzahl != nullptr) {
        txtAufzahl_->setText(QLatin1String(aufzahl));
        modul_.AufZahlText = Trimmen(txtAufzahl_->text().toStdString());
        modul_.AufZahl = modul_.AufZahlText;
    }
    // The fraction only mirrors the field here; a refusal has nothing to report.
    (void)modul_.RechenzahlLesen(modul_.RechenartText);
}

void frmHaupt::transform(Transform kind) {
    std::string text = txtRechenart_->text().toStdString();
    if (const auto fehler = modul_.RechenzahlLesen(text)) {
        meldeProblem(this, QString::fromStdString(*fehler));
        return;
    }
    modul_.RechenartText = text;
    const Int16 n = modul_.BruchZaehler;
    const Int16 d = modul_.BruchNenner;

    std::optional<Int16> zaehler;
    std::optional<Int16> nenner;
    bool vorzeichenNachOben = false;
    switch (kind) {
        case Transform::Plus1:
            zaehler = add16(n, d);
            nenner = d;
            break;
        case Transform::Minus1:
            zaehler = sub16(n, d);
            nenner = d;
            vorzeichenNachOben = true;
            break;
        case Transform::Reciprocal:
            zaehler = d;
            nenner = n;
            break;
        case Transform::Mirror:
            zaehler = n;
            nenner = sub16(n, d);
            vorzeichenNachOben = true;
            break;
        case Transform::Negative:
            zaehler = d;
            nenner = sub16(d, n);
            vorzeichenNachOben = true;
            break;
    }
    if (zaehler && nenner && *nenner == 0) {
        meldeProblem(this, QString::fromUtf8(kUmformungNennerNull));
        return;
    }
    if (zaehler && nenner && vorzeichenNachOben && *nenner < 0) {
        zaehler = neg16(*zaehler);
        nenner = neg16(*nenner);
    }
    if (!zaehler || !nenner) {
        meldeProblem(this, QString::fromUtf8(kUmformungUeberlauf));
        return;
    }

    modul_.BruchZaehler = *zaehler;
    modul_.BruchNenner = *nenner;
    modul_.RDezimal = static_cast<double>(*zaehler) / static_cast<double>(*nenner);
    modul_.BruchText = *nenner == 1 ? std::to_string(*zaehler)
                                    : std::to_string(*zaehler) + "/" + std::to_string(*nenner);
    txtRechenart_->setText(QString::fromStdString(modul_.BruchText));
}

void frmHaupt::storeInMemory(const QString& text) {
    modul_.Speicher = text.toStdString();
    lblSpeicher_->setText(QString::fromStdString(modul_.Speicher));
}

}  // namespace staffel::app
