#include "app/graph/frm_werte.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/language/fenster_texte.h"
#include "app/main_window/accessible_names.h"
#include "app/secondary/secondary_layout.h"
#include "app/shared/fenster_tasten.h"
#include "engine/graph/graph_pass.h"

namespace staffel::app {

namespace {

using layout::makeButton;

constexpr FensterText kTexte[] = {
    {"frmWerte", QT_TRANSLATE_NOOP("frmWerte", "Einstellungen der Graphik")},
    {"fraWerte", QT_TRANSLATE_NOOP("frmWerte", "Grenzen für die x-Werte")},
    {"lblUXGrenz", QT_TRANSLATE_NOOP("frmWerte", "  Untergrenze         Xmin")},
    {"lblOXGrenz", QT_TRANSLATE_NOOP("frmWerte", "  Obergrenze          Xmax")},
    {"fraYGrenzen", QT_TRANSLATE_NOOP("frmWerte", "Grenzen für die y-Werte (Funktionswerte)")},
    {"lblUYGrenz", QT_TRANSLATE_NOOP("frmWerte", "  Untergrenze         Ymin")},
    {"lblOYGrenz", QT_TRANSLATE_NOOP("frmWerte", "  Obergrenze          Ymax")},
    {"fraGitter", QT_TRANSLATE_NOOP("frmWerte", "Gitternetz-Linien")},
    {"lbl20", QT_TRANSLATE_NOOP("frmWerte", "  20 äquidistante Linien")},
    {"lblGanz", QT_TRANSLATE_NOOP("frmWerte", "  jede ganze Zahl")},
    {"lblDX",
     QT_TRANSLATE_NOOP("frmWerte", "Kehrwert der Schrittweite in             x - Richtung")},
    {"cmdWeAbbr", QT_TRANSLATE_NOOP("frmWerte", "Abbrechen")},
    {"cmdWeEnd", QT_TRANSLATE_NOOP("frmWerte", "Zeichnen")},
};

// A screen reader names each control by its own caption, not by the frame around it.
constexpr Beschriftet kBeschriftungen[] = {
    {"txtUXGrenz", "lblUXGrenz"}, {"txtOXGrenz", "lblOXGrenz"}, {"txtUYGrenz", "lblUYGrenz"},
    {"txtOYGrenz", "lblOYGrenz"}, {"txtDX", "lblDX"},           {"opt20", "lbl20"},
    {"optGanz", "lblGanz"},
};

void beschrifteWerte(QWidget* fenster) {
    beschrifte(fenster, "frmWerte", kTexte);
    nenneNachBeschriftung(fenster, kBeschriftungen);
}

// The captions and labels are 8.25-point sans-serif, the frame captions bold; bold is set
// explicitly either way so the labels do not inherit it from their frame.
QFont schrift(bool fett) {
    return designFont(8.25, fett);
}

QGroupBox* rahmen(QWidget* parent, const char* name, QRect lage, const QColor& farbe) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(lage);
    box->setFont(schrift(true));
    titelAusblenden(box);
    setBackColour(box, farbe);
    return box;
}

QLabel* beschriftung(QWidget* parent, const char* name, QRect lage,
                     std::optional<QColor> farbe = std::nullopt) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(lage);
    label->setFont(schrift(false));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (farbe) {
        setBackColour(label, *farbe);
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    return label;
}

QLineEdit* feld(QWidget* parent, const char* name, double wert, QRect lage,
                bool singlePrecision = false) {
    auto* edit =
        new QLineEdit(QString::fromStdString(graph::FeldText(wert, singlePrecision)), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(lage);
    edit->setFont(schrift(false));
    return edit;
}

// A bound of a range: its caption with the field below it.
QLineEdit* grenze(QWidget* rahmen, const char* name, const char* feldName, double wert, int links,
                  int feldHoehe, const QColor& farbe) {
    beschriftung(rahmen, name, twipsRect(links, 360, 1335, 495), farbe);
    return feld(rahmen, feldName, wert, twipsRect(links, 960, 1335, feldHoehe));
}

}  // namespace

FrmWerte::FrmWerte(GraphEinstellungen& einstellungen, QWidget* parent)
    : QDialog(parent), g_(einstellungen) {
    setObjectName(QStringLiteral("frmWerte"));
    setFont(schrift(false));
    setFixedSize(twipsToPixels(4185), twipsToPixels(5520));
    move(twipsToPixels(3930), twipsToPixels(3675));
    setBackColour(this, Qt::black);

    const QColor gelb(0xff, 0xff, 0x80);
    const QColor blau(0x80, 0x80, 0xff);
    const QColor rosa(0xff, 0x80, 0xff);

    auto* fraWerte = rahmen(this, "fraWerte", twipsRect(120, 120, 3855, 1575), gelb);
    txtUXGrenz_ = grenze(fraWerte, "lblUXGrenz", "txtUXGrenz", g_.Xmin, 240, 405, blau);
    txtOXGrenz_ = grenze(fraWerte, "lblOXGrenz", "txtOXGrenz", g_.Xmax, 2280, 375, blau);

    auto* fraYGrenzen = rahmen(this, "fraYGrenzen", twipsRect(120, 1800, 3855, 1455), gelb);
    txtUYGrenz_ = grenze(fraYGrenzen, "lblUYGrenz", "txtUYGrenz", g_.Ymin, 240, 375, rosa);
    txtOYGrenz_ = grenze(fraYGrenzen, "lblOYGrenz", "txtOYGrenz", g_.Ymax, 2280, 375, rosa);

    auto* fraGitter =
        rahmen(this, "fraGitter", twipsRect(120, 3360, 3855, 1455), QColor(0xc0, 0xc0, 0x00));
    auto* opt20 = new QRadioButton(fraGitter);
    opt20->setObjectName(QStringLiteral("opt20"));
    opt20->setGeometry(twipsRect(240, 240, 255, 255));
    beschriftung(fraGitter, "lbl20", twipsRect(480, 240, 1815, 255));
    auto* optGanz = new QRadioButton(fraGitter);
    optGanz->setObjectName(QStringLiteral("optGanz"));
    optGanz->setGeometry(twipsRect(240, 600, 255, 255));
    beschriftung(fraGitter, "lblGanz", twipsRect(480, 600, 1815, 255));
    txtDX_ = feld(fraGitter, "txtDX", g_.DX, twipsRect(240, 960, 975, 375), true);
    beschriftung(fraGitter, "lblDX", twipsRect(1320, 960, 2055, 435));

    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(opt20);
    gruppe->addButton(optGanz);
    // The window shows "20" at every opening without touching the stored grid counts; only a
    // choice by the user sets them.
    opt20->setChecked(true);
    connect(opt20, &QRadioButton::toggled, this, [this](bool an) {
        if (an) graph::Gitter20(g_);
    });
    connect(opt20, &QRadioButton::clicked, this, [this] { graph::Gitter20(g_); });
    connect(optGanz, &QRadioButton::toggled, this, [this](bool an) {
        if (an) graph::GitterGanz(g_);
    });
    connect(optGanz, &QRadioButton::clicked, this, [this] { graph::GitterGanz(g_); });

    // Enter presses the focused button, and "Zeichnen" anywhere else.
    auto* cmdWeAbbr = makeButton(this, "cmdWeAbbr", QString(), twipsRect(120, 4920, 1095, 495));
    connect(cmdWeAbbr, &QPushButton::clicked, this, &QDialog::reject);

    auto* cmdWeEnd = makeButton(this, "cmdWeEnd", QString(), twipsRect(2520, 4920, 1455, 495));
    cmdWeEnd->setDefault(true);
    connect(cmdWeEnd, &QPushButton::clicked, this, &FrmWerte::zeichnen);

    setTabOrder(txtUXGrenz_, txtOXGrenz_);
    setTabOrder(txtOXGrenz_, txtUYGrenz_);
    setTabOrder(txtUYGrenz_, txtOYGrenz_);
    setTabOrder(txtOYGrenz_, txtDX_);
    txtUXGrenz_->setFocus();
    fensterTasten(this);
    beschrifteWerte(this);
}

void FrmWerte::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) beschrifteWerte(this);
    QDialog::changeEvent(event);
}

void FrmWerte::zeichnen() {
    const graph::Felder felder{
        txtUXGrenz_->text().toStdString(), txtOXGrenz_->text().toStdString(),
        txtUYGrenz_->text().toStdString(), txtOYGrenz_->text().toStdString(),
        txtDX_->text().toStdString(),
    };
    if (graph::Uebernehmen(g_, felder)) accept();
}

}  // namespace staffel::app
