#include "app/main_window/haupt_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>

namespace staffel::app {

namespace {

using K = ControlKind;
constexpr const char* kSans = "MS Sans Serif";
constexpr const char* kArial = "Arial";
constexpr const char* kSymbol = "Symbol";

// clang-format off
constexpr std::array kLayout = std::to_array<ControlRow>({
//   name             kind          caption                                                                   tooltip                                                                            left   top    width  height back       fore       font     pt     bold   centred framed line
    {"cmdHypPot",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "H^"),                                      QT_TRANSLATE_NOOP("frmHaupt", "HyperPotenzieren"),                                 3120,  6120,  400,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdPot",        K::Button,    "^",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Potenzieren"),                                      3120,  5640,  400,   435,  "",        "",        kArial,  12,    true,  false, false, 0},
    {"cmdLog",        K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "log"),                                     QT_TRANSLATE_NOOP("frmHaupt", "Logarithmieren"),                                   2640,  6120,  400,   375,  "",        "",        kArial,  8.25,  false, false, false, 0},
    {"cmdSqrt",       K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "rad"),                                     QT_TRANSLATE_NOOP("frmHaupt", "Radizieren"),                                       2640,  5640,  400,   435,  "",        "",        kArial,  8.25,  false, false, false, 0},
    {"cmdDiv",        K::Button,    ":",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Division"),                                         2640,  6540,  400,   375,  "",        "",        kArial,  15.75, true,  false, false, 0},
    {"cmdMal",        K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "x"),                                       QT_TRANSLATE_NOOP("frmHaupt", "Multiplikation"),                                   2160,  6540,  400,   375,  "",        "",        kArial,  12,    true,  false, false, 0},
    {"cmdMinus",      K::Button,    "-",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Subtraktion"),                                      2160,  6120,  400,   375,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"cmdPlus",       K::Button,    "+",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Addition"),                                         2160,  5640,  400,   435,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"cmdMin",        K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "min"),                                     QT_TRANSLATE_NOOP("frmHaupt", "kleinste Zahl"),                                    8280,  4920,  495,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMax",        K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "max"),                                     QT_TRANSLATE_NOOP("frmHaupt", "größte Zahl"),                                      8860,  4920,  495,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdNeuGes",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "1/ 1-R"),                                  QT_TRANSLATE_NOOP("frmHaupt", "negative Rechenart"),                               1010,  6550,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdReiheM",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "R - 1"),                                   QT_TRANSLATE_NOOP("frmHaupt", "R erniedrigen"),                                    1010,  5640,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdReiheP",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "R + 1"),                                   QT_TRANSLATE_NOOP("frmHaupt", "R erhöhen"),                                        75,    5640,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdEulerE",     K::Button,    "E",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "eulersche Zahl"),                                   9860,  4920,  495,   375,  "",        "",        kSymbol, 14.25, true,  false, false, 0},
    {"cmdPi",         K::Button,    "p",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Pi"),                                               10440, 4920,  495,   375,  "",        "",        kSymbol, 14.25, true,  false, false, 0},
    {"cmdSpiegel",    K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "R / R-1"),                                 QT_TRANSLATE_NOOP("frmHaupt", "Spiegelrechenart"),                                 75,    6550,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdKehrwert",   K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "1 /  R"),                                  QT_TRANSLATE_NOOP("frmHaupt", "Kehrwert"),                                         543,   6095,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdHalt",       K::Button,    "#",                                                                      QT_TRANSLATE_NOOP("frmHaupt", "Berechnung anhalten"),                              5520,  4560,  375,   375,  "",        "",        kSans,   12,    true,  false, false, 0},
    {"cmdMemToExp",   K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "M -> E"),                                  QT_TRANSLATE_NOOP("frmHaupt", "Speicher in den Exponenten"),                       10140, 4420,  795,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMemtoBase",  K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "B <- M"),                                  QT_TRANSLATE_NOOP("frmHaupt", "Speicher in die Basis"),                            8300,  4420,  795,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMemory",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "Mem"),                                     QT_TRANSLATE_NOOP("frmHaupt", "Ergebnis in den Speicher"),                         9220,  4420,  800,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"picJarech",     K::Picture,   "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Ergebnis ist gültig"),                              8100,  670,   540,   540,  "#ffffff", "",        "",      0,     false, true,  false, 0},
    {"picNorech",     K::Picture,   "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Ergebnis ungültig"),                                10170, 670,   540,   540,  "#000000", "",        "",      0,     false, true,  false, 0},
    {"cmdEulersch",   K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "Lim e->+-oo"),                             QT_TRANSLATE_NOOP("frmHaupt", "Grenzwert"),                                        8280,  6480,  1215,  375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdAufl",       K::Button,    QT_TRANSLATE_NOOP("frmHaupt", " Auflösungs-      liste"),                 "",                                                                                8290,  5640,  1215,  495,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdRechne",     K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "Rechne !"),                                QT_TRANSLATE_NOOP("frmHaupt", "Berechnung starten"),                               9720,  5640,  1215,  495,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdClear",      K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "CLEAR"),                                   QT_TRANSLATE_NOOP("frmHaupt", "Eingaben löschen"),                                 9720,  6480,  1215,  375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdEnde",       K::Button,    QT_TRANSLATE_NOOP("frmHaupt", "Ende"),                                    QT_TRANSLATE_NOOP("frmHaupt", "Beenden"),                                          4320,  6440,  1095,  495,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"txtAufzahl",    K::TextField, "A",                                                                      "",                                                                                2760,  2040,  1695,  285,  "#c0ffc0", "",        kSans,   8.25,  true,  true,  false, 0},
    {"txtRechenart",  K::TextField, "R",                                                                      "",                                                                                3120,  480,   975,   375,  "#c0ffc0", "",        kSans,   8.25,  true,  true,  false, 0},
    {"txtExponent",   K::TextField, "Exponent",                                                               "",                                                                                4200,  1320,  3015,  375,  "#c0c0ff", "#000000", kSans,   9.75,  true,  false, false, 0},
    {"txtBasis",      K::TextField, "Basis",                                                                  "",                                                                                120,   1320,  2895,  375,  "#c0c0ff", "",        kSans,   9.75,  true,  false, false, 0},
    {"lblAkIv",       K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Iv-Nr."),                                  "",                                                                                4920,  4740,  480,   180,  "#e0e0e0", "",        kSans,   8.25,  true,  false, false, 0},
    {"lblAktIntv",    K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "neues Intervall"),                                  4900,  4920,  495,   315,  "#008080", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblInv",        K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Intv."),                                  "",                                                                                4920,  4140,  480,   180,  "#e0e0e0", "",        kSans,   8.25,  true,  false, false, 0},
    {"lblInterv",     K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Intervall"),                                        4900,  4320,  495,   315,  "#008080", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatG11",    K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "  Intervall. G1"),                         "",                                                                                3720,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblStatG00",    K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "  Intervall. G0"),                         "",                                                                                3720,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG11",     K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Intervall-Schachtelung"),                           3720,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblRecG00",     K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Intervall-Schachtelung"),                           3720,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatG1",     K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion G1"),                           "",                                                                                2520,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG1",      K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: Lösen nach dem Exponenten"),       2520,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"Label2",        K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion G0"),                           "",                                                                                2520,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG0",      K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: Lösen nach der Basis"),            2520,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"Label1",        K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion IV"),                           "",                                                                                1320,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecIV",      K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: Auflösung R -> 1/R"),              1320,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatNA",     K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion NA"),                           "",                                                                                1320,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecNA",      K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: normalalgebraische Umschreibung"), 1320,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatIII",    K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion III"),                          "",                                                                                120,   4740,  1080,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecIII",     K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: Auflösung R -> R-1"),              120,   4920,  1080,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatBer",    K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Rekursion Ber"),                          "",                                                                                120,   4140,  1080,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecBer",     K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Rekursionstiefe: Berechnungsschritte"),             120,   4320,  1080,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblSpeicher",   K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Speicherinhalt"),                                   8280,  3960,  2655,  375,  "#ffffff", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblMemory",     K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Speicher"),                                "",                                                                                8280,  3550,  1180,  315,  "#ffffff", "",        kSans,   9.75,  true,  true,  true,  0},
    {"lblNameRA",     K::Label,     "   Name der Rechenart",                                                  QT_TRANSLATE_NOOP("frmHaupt", "gebräuchlicher Name"),                              5160,  120,   5775,  375,  "#808080", "",        kSans,   9.75,  true,  false, true,  0},
    {"lblStp",        K::Label,     "    0",                                                                  QT_TRANSLATE_NOOP("frmHaupt", "step"),                                             3600,  2640,  735,   255,  "#00ff00", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblGfktwert",   K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "  Standard  ( Nachfolger:  x -> x + 1 )"), "",                                                                                1800,  5320,  13335, 255,  "#000000", "#ffffc0", kSans,   9.75,  true,  false, false, 0},
    {"lblGrundfkt",   K::Label,     QT_TRANSLATE_NOOP("frmHaupt", " Grundfunktion:"),                         "",                                                                                50,    5320,  1765,  255,  "#000000", "#ffffff", kSans,   9.75,  true,  false, false, 0},
    {"lblAuflzahl",   K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Auflösungszahl"),                          "",                                                                                2880,  2340,  1455,  255,  "#00ff00", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblRechenzahl", K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Rechenzahl"),                              "",                                                                                3000,  210,   1215,  255,  "#00ff00", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblErgtitel",   K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Ergebnis"),                                "",                                                                                8880,  1035,  1095,  255,  "#ffff80", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblExponent",   K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Exponent"),                                "",                                                                                5160,  1030,  1095,  255,  "#8080ff", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblBasis",      K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "Basis"),                                   "",                                                                                1080,  1030,  855,   255,  "#8080ff", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblErgebnis",   K::Label,     "",                                                                       QT_TRANSLATE_NOOP("frmHaupt", "Ergebnis"),                                         7910,  1320,  3050,  375,  "#ffff00", "",        kSans,   9.75,  true,  false, true,  0},
    {"lblSt",         K::Label,     QT_TRANSLATE_NOOP("frmHaupt", "  | A | ="),                               QT_TRANSLATE_NOOP("frmHaupt", "Ziffernzahl von A"),                                2880,  2640,  740,   255,  "#00ff00", "",        kSans,   8.25,  true,  false, true,  0},
    {"Line6",         K::Line,      "",                                                                       "",                                                                                7440,  1560,  7680,  1560, "#000000", "",        "",      0,     false, false, false, 3},
    {"Line5",         K::Line,      "",                                                                       "",                                                                                7440,  1440,  7680,  1440, "#000000", "",        "",      0,     false, false, false, 3},
    {"Line4",         K::Line,      "",                                                                       "",                                                                                3840,  960,   4200,  1920, "#000000", "",        "",      0,     false, false, false, 5},
    {"Line3",         K::Line,      "",                                                                       "",                                                                                3600,  1440,  3840,  960,  "#000000", "",        "",      0,     false, false, false, 5},
    {"Line2",         K::Line,      "",                                                                       "",                                                                                3360,  960,   3600,  1440, "#000000", "",        "",      0,     false, false, false, 5},
    {"Line1",         K::Line,      "",                                                                       "",                                                                                3000,  1920,  3360,  960,  "#000000", "",        "",      0,     false, false, false, 5},
});
// clang-format on

// Captions that English has to shorten; the long form becomes their tooltip. The German
// captions are the long forms, so there the translation is the source and no tooltip shows.
struct Langform {
    const char* name;
    struct {
        const char* quelle;
        const char* unterscheidung;
    } text;
};
constexpr Langform kLangformen[] = {
    {"lblRechenzahl", QT_TRANSLATE_NOOP3("frmHaupt", "Rechenzahl", "long form")},
    {"lblAuflzahl", QT_TRANSLATE_NOOP3("frmHaupt", "Auflösungszahl", "long form")},
};

// The substitute face runs a little wider than the designed one: a caption that would be cut
// at the designed size is drawn a quarter point smaller at a time until it fits.
QFont fittedFont(QFont font, const QString& caption, int availableWidth) {
    const auto widest = [&caption](const QFont& f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QString& line : caption.split(QLatin1Char('\n'))) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        return width;
    };
    while (widest(font) > availableWidth && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

// Room the style leaves for a caption inside a control.
int captionWidth(const ControlRow& row) {
    const int width = pixelRect(row).width();
    switch (row.kind) {
        case ControlKind::Button:
            return width - 6;
        case ControlKind::Label:
            return row.framed ? width - 2 : width;
        default:
            return width;
    }
}

QString uebersetzt(const char* text) {
    return *text == '\0' ? QString() : QCoreApplication::translate("frmHaupt", text);
}

// Buttons and the title labels keep their captions; the program writes the other labels
// (the name and step labels' designed captions are replaced when the window loads).
bool festeBeschriftung(const ControlRow& row) {
    if (row.kind == ControlKind::Button) return true;
    return row.kind == ControlKind::Label && *row.caption != '\0' &&
           qstrcmp(row.name, "lblNameRA") != 0 && qstrcmp(row.name, "lblStp") != 0;
}

}  // namespace

std::span<const ControlRow> hauptLayout() {
    return kLayout;
}

QFont fontFor(const ControlRow& row) {
    return designFont(row.pointSize, row.bold);
}

QString displayCaption(const ControlRow& row) {
    QString caption = uebersetzt(row.caption);
    if (QLatin1String(row.font) == QLatin1String(kSymbol)) {
        caption.replace(QLatin1Char('E'), QChar(0x0395));
        caption.replace(QLatin1Char('p'), QChar(0x03C0));
    }
    return caption;
}

QString wrapCaption(const QString& caption, const QFont& font, int availableWidth) {
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(caption) <= availableWidth) return caption;
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > availableWidth) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

QRect pixelRect(const ControlRow& row) {
    return twipsRect(row.left, row.top, row.width, row.height);
}

DrawnLine::DrawnLine(const ControlRow& row, QObject* parent)
    : QObject(parent), twips_(row.left, row.top, row.width, row.height), width_(row.lineWidth) {
    setObjectName(QLatin1String(row.name));
}

void buildControls(QWidget* parent) {
    for (const ControlRow& row : kLayout) {
        if (row.kind == ControlKind::Line) {
            new DrawnLine(row, parent);
            continue;
        }
        QWidget* widget = nullptr;
        switch (row.kind) {
            case ControlKind::Button: {
                auto* button = new QPushButton(parent);
                button->setAutoDefault(false);
                widget = button;
                break;
            }
            case ControlKind::TextField: {
                auto* field = new QLineEdit(parent);
                field->setText(QString::fromUtf8(row.caption));
                if (row.centred) field->setAlignment(Qt::AlignCenter);
                widget = field;
                break;
            }
            case ControlKind::Label:
            case ControlKind::Picture: {
                auto* label = new QLabel(parent);
                if (!festeBeschriftung(row)) label->setText(QString::fromUtf8(row.caption));
                label->setMargin(0);
                label->setIndent(0);
                if (row.kind == ControlKind::Picture) {
                    label->setAlignment(Qt::AlignCenter);
                } else {
                    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                                        Qt::AlignTop);
                }
                if (row.framed) {
                    label->setFrameStyle(QFrame::Box | QFrame::Plain);
                    label->setLineWidth(1);
                }
                widget = label;
                break;
            }
            case ControlKind::Line:
                break;
        }
        widget->setObjectName(QLatin1String(row.name));
        widget->setFont(fontFor(row));
        widget->setGeometry(pixelRect(row));
        if (*row.back != '\0') setBackColour(widget, QColor(QLatin1String(row.back)));
        if (*row.fore != '\0') setForeColour(widget, QColor(QLatin1String(row.fore)));
    }
    beschrifteControls(parent);
}

void beschrifteControls(QWidget* parent) {
    for (const ControlRow& row : kLayout) {
        if (row.kind == ControlKind::Line) continue;
        QWidget* widget = parent->findChild<QWidget*>(QLatin1String(row.name));
        widget->setToolTip(uebersetzt(row.tooltip));
        if (!festeBeschriftung(row)) continue;
        QString caption = displayCaption(row);
        if (row.kind == ControlKind::Button) {
            caption = wrapCaption(caption, fontFor(row), captionWidth(row));
        }
        widget->setFont(fittedFont(fontFor(row), caption, captionWidth(row)));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setText(caption);
        } else {
            static_cast<QLabel*>(widget)->setText(caption);
        }
    }
    for (const Langform& lang : kLangformen) {
        const QString text =
            QCoreApplication::translate("frmHaupt", lang.text.quelle, lang.text.unterscheidung);
        parent->findChild<QWidget*>(QLatin1String(lang.name))
            ->setToolTip(text == QString::fromUtf8(lang.text.quelle) ? QString() : text);
    }
}

}  // namespace staffel::app
