#include "app/frm_werte.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/graph_pass.h"

namespace staffel::app {

namespace {

// Positions are laid out in twips; 15 twips make one pixel at 96 dpi.
QRect twips(int links, int oben, int breite, int hoehe) {
    return QRect(links / 15, oben / 15, breite / 15, hoehe / 15);
}

// The captions and labels are 8.25-point sans-serif, the frame captions bold; bold is set
// explicitly either way so the labels do not inherit it from their frame.
QFont schrift(bool fett) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(fett);
    return font;
}

void faerbe(QWidget* widget, const QColor& hintergrund) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, hintergrund);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* rahmen(QWidget* parent, const char* name, const QString& titel, QRect lage,
                  const QColor& farbe) {
    auto* box = new QGroupBox(titel, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(lage);
    box->setFont(schrift(true));
    faerbe(box, farbe);
    return box;
}

QLabel* beschriftung(QWidget* parent, const char* name, const QString& text, QRect lage,
                     std::optional<QColor> farbe = std::nullopt) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(lage);
    label->setFont(schrift(false));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (farbe) {
        faerbe(label, *farbe);
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

}  // namespace

FrmWerte::FrmWerte(GraphEinstellungen& einstellungen, QWidget* parent)
    : QDialog(parent), g_(einstellungen) {
    setObjectName(QStringLiteral("frmWerte"));
    setWindowTitle(QStringLiteral("Einstellungen der Graphik"));
    setFont(schrift(false));
    setFixedSize(4185 / 15, 5520 / 15);
    move(3930 / 15, 3675 / 15);
    faerbe(this, Qt::black);

    const QColor gelb(0xff, 0xff, 0x80);
    const QColor blau(0x80, 0x80, 0xff);
    const QColor rosa(0xff, 0x80, 0xff);

    auto* fraWerte = rahmen(this, "fraWerte", QStringLiteral("Grenzen für die x-Werte"),
                            twips(120, 120, 3855, 1575), gelb);
    beschriftung(fraWerte, "lblUXGrenz", QStringLiteral("  Untergrenze         Xmin"),
                 twips(240, 360, 1335, 495), blau);
    txtUXGrenz_ = feld(fraWerte, "txtUXGrenz", g_.Xmin, twips(240, 960, 1335, 405));
    beschriftung(fraWerte, "lblOXGrenz", QStringLiteral("  Obergrenze          Xmax"),
                 twips(2280, 360, 1335, 495), blau);
    txtOXGrenz_ = feld(fraWerte, "txtOXGrenz", g_.Xmax, twips(2280, 960, 1335, 375));

    auto* fraYGrenzen =
        rahmen(this, "fraYGrenzen", QStringLiteral("Grenzen für die y-Werte (Funktionswerte)"),
               twips(120, 1800, 3855, 1455), gelb);
    beschriftung(fraYGrenzen, "lblUYGrenz", QStringLiteral("  Untergrenze         Ymin"),
                 twips(240, 360, 1335, 495), rosa);
    txtUYGrenz_ = feld(fraYGrenzen, "txtUYGrenz", g_.Ymin, twips(240, 960, 1335, 375));
    beschriftung(fraYGrenzen, "lblOYGrenz", QStringLiteral("  Obergrenze          Ymax"),
                 twips(2280, 360, 1335, 495), rosa);
    txtOYGrenz_ = feld(fraYGrenzen, "txtOYGrenz", g_.Ymax, twips(2280, 960, 1335, 375));

    auto* fraGitter = rahmen(this, "fraGitter", QStringLiteral("Gitternetz-Linien"),
                             twips(120, 3360, 3855, 1455), QColor(0xc0, 0xc0, 0x00));
    auto* opt20 = new QRadioButton(fraGitter);
    opt20->setObjectName(QStringLiteral("opt20"));
    opt20->setGeometry(twips(240, 240, 255, 255));
    beschriftung(fraGitter, "lbl20", QStringLiteral("  20 äquidistante Linien"),
                 twips(480, 240, 1815, 255));
    auto* optGanz = new QRadioButton(fraGitter);
    optGanz->setObjectName(QStringLiteral("optGanz"));
    optGanz->setGeometry(twips(240, 600, 255, 255));
    beschriftung(fraGitter, "lblGanz", QStringLiteral("  jede ganze Zahl"),
                 twips(480, 600, 1815, 255));
    txtDX_ = feld(fraGitter, "txtDX", g_.DX, twips(240, 960, 975, 375), true);
    beschriftung(fraGitter, "lblDX",
                 QStringLiteral("Kehrwert der Schrittweite in             x - Richtung"),
                 twips(1320, 960, 2055, 435));

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

    auto* cmdWeAbbr = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdWeAbbr->setObjectName(QStringLiteral("cmdWeAbbr"));
    cmdWeAbbr->setGeometry(twips(120, 4920, 1095, 495));
    cmdWeAbbr->setAutoDefault(false);
    connect(cmdWeAbbr, &QPushButton::clicked, this, &QDialog::reject);

    auto* cmdWeEnd = new QPushButton(QStringLiteral("Zeichnen"), this);
    cmdWeEnd->setObjectName(QStringLiteral("cmdWeEnd"));
    cmdWeEnd->setGeometry(twips(2520, 4920, 1455, 495));
    cmdWeEnd->setAutoDefault(false);
    connect(cmdWeEnd, &QPushButton::clicked, this, &FrmWerte::zeichnen);

    setTabOrder(txtUXGrenz_, txtOXGrenz_);
    setTabOrder(txtOXGrenz_, txtUYGrenz_);
    setTabOrder(txtUYGrenz_, txtOYGrenz_);
    setTabOrder(txtOYGrenz_, txtDX_);
    txtUXGrenz_->setFocus();
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
