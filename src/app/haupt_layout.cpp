#include "app/haupt_layout.h"

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
//   name             kind          caption                                       tooltip                          left   top    width  height back       fore       font     pt     bold   centred framed line
    {"cmdHypPot",     K::Button,    "H^",                                         "HyperPotenzieren",              3120,  6120,  400,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdPot",        K::Button,    "^",                                          "Potenzieren",                   3120,  5640,  400,   435,  "",        "",        kArial,  12,    true,  false, false, 0},
    {"cmdLog",        K::Button,    "log",                                        "Logarithmieren",                2640,  6120,  400,   375,  "",        "",        kArial,  8.25,  false, false, false, 0},
    {"cmdSqrt",       K::Button,    "rad",                                        "Radizieren",                    2640,  5640,  400,   435,  "",        "",        kArial,  8.25,  false, false, false, 0},
    {"cmdDiv",        K::Button,    ":",                                          "Division",                      2640,  6540,  400,   375,  "",        "",        kArial,  15.75, true,  false, false, 0},
    {"cmdMal",        K::Button,    "x",                                          "Multiplikation",                2160,  6540,  400,   375,  "",        "",        kArial,  12,    true,  false, false, 0},
    {"cmdMinus",      K::Button,    "-",                                          "Subtraktion",                   2160,  6120,  400,   375,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"cmdPlus",       K::Button,    "+",                                          "Addition",                      2160,  5640,  400,   435,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"cmdMin",        K::Button,    "min",                                        "kleinste Zahl",                 8280,  4920,  495,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMax",        K::Button,    "max",                                        "größte Zahl",                   8860,  4920,  495,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdNeuGes",     K::Button,    "1/ 1-R",                                     "negative Rechenart",            1010,  6550,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdReiheM",     K::Button,    "R - 1",                                      "R erniedrigen",                 1010,  5640,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdReiheP",     K::Button,    "R + 1",                                      "R erhöhen",                     75,    5640,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdEulerE",     K::Button,    "E",                                          "eulersche Zahl",                9860,  4920,  495,   375,  "",        "",        kSymbol, 14.25, true,  false, false, 0},
    {"cmdPi",         K::Button,    "p",                                          "Pi",                            10440, 4920,  495,   375,  "",        "",        kSymbol, 14.25, true,  false, false, 0},
    {"cmdSpiegel",    K::Button,    "R / R-1",                                    "Spiegelrechenart",              75,    6550,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdKehrwert",   K::Button,    "1 /  R",                                     "Kehrwert",                      543,   6095,  850,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdHalt",       K::Button,    "#",                                          "Berechnung anhalten",           5520,  4560,  375,   375,  "",        "",        kSans,   12,    true,  false, false, 0},
    {"cmdMemToExp",   K::Button,    "M -> E",                                     "Memory to Exponent",            10140, 4420,  795,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMemtoBase",  K::Button,    "B <- M",                                     "Memory to Base",                8300,  4420,  795,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdMemory",     K::Button,    "Mem",                                        "Save in Memory",                9220,  4420,  800,   375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"picJarech",     K::Picture,   "",                                           "Ergebnis ist gültig",           8100,  670,   540,   540,  "#ffffff", "",        "",      0,     false, true,  false, 0},
    {"picNorech",     K::Picture,   "",                                           "Ergebnis ungültig",             10170, 670,   540,   540,  "#000000", "",        "",      0,     false, true,  false, 0},
    {"cmdEulersch",   K::Button,    "Lim e->+-oo",                                "Grenzwert",                     8280,  6480,  1215,  375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdAufl",       K::Button,    " Auflösungs-      liste",                    "",                              8290,  5640,  1215,  495,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdRechne",     K::Button,    "Rechne !",                                   "Berechnung starten",            9720,  5640,  1215,  495,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdClear",      K::Button,    "CLEAR",                                      "Eingaben löschen",              9720,  6480,  1215,  375,  "",        "",        kSans,   8.25,  true,  false, false, 0},
    {"cmdEnde",       K::Button,    "Ende",                                       "Beenden",                       4320,  6440,  1095,  495,  "",        "",        kSans,   13.5,  true,  false, false, 0},
    {"txtAufzahl",    K::TextField, "A",                                          "",                              2760,  2040,  1695,  285,  "#c0ffc0", "",        kSans,   8.25,  true,  true,  false, 0},
    {"txtRechenart",  K::TextField, "R",                                          "",                              3120,  480,   975,   375,  "#c0ffc0", "",        kSans,   8.25,  true,  true,  false, 0},
    {"txtExponent",   K::TextField, "Exponent",                                   "",                              4200,  1320,  3015,  375,  "#c0c0ff", "#000000", kSans,   9.75,  true,  false, false, 0},
    {"txtBasis",      K::TextField, "Basis",                                      "",                              120,   1320,  2895,  375,  "#c0c0ff", "",        kSans,   9.75,  true,  false, false, 0},
    {"lblAkIv",       K::Label,     "Iv-Nr.",                                     "",                              4920,  4740,  480,   180,  "#e0e0e0", "",        kSans,   8.25,  true,  false, false, 0},
    {"lblAktIntv",    K::Label,     "",                                           "neues Intervall",               4900,  4920,  495,   315,  "#008080", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblInv",        K::Label,     " Intv.",                                     "",                              4920,  4140,  480,   180,  "#e0e0e0", "",        kSans,   8.25,  true,  false, false, 0},
    {"lblInterv",     K::Label,     "",                                           "Intervall",                     4900,  4320,  495,   315,  "#008080", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatG11",    K::Label,     "  Intervall. G1",                            "",                              3720,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblStatG00",    K::Label,     "  Intervall. G0",                            "",                              3720,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG11",     K::Label,     "",                                           "Intervall-Schachtelung",        3720,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblRecG00",     K::Label,     "",                                           "Intervall-Schachtelung",        3720,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatG1",     K::Label,     " Rekursion G1",                              "",                              2520,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG1",      K::Label,     "",                                           "Rekursionstiefe: GegenLsg1",    2520,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"Label2",        K::Label,     " Rekursion G0",                              "",                              2520,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecG0",      K::Label,     "",                                           "Rekursionstiefe: GegenLsg0",    2520,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"Label1",        K::Label,     " Rekursion IV",                              "",                              1320,  4740,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecIV",      K::Label,     "",                                           "Rekursionstiefe: emIV",         1320,  4920,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatNA",     K::Label,     " Rekursion NA",                              "",                              1320,  4140,  1065,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecNA",      K::Label,     "",                                           "Rekursionstiefe: NA-Rechart",   1320,  4320,  1065,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatIII",    K::Label,     " Rekursion III",                             "",                              120,   4740,  1080,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecIII",     K::Label,     "",                                           "Rekursionstiefe: emIII",        120,   4920,  1080,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblStatBer",    K::Label,     " Rekursion Ber",                             "",                              120,   4140,  1080,  180,  "#e0e0e0", "",        kSans,   8.25,  false, false, false, 0},
    {"lblRecBer",     K::Label,     "",                                           "Rekursionstiefe: Berechnung",   120,   4320,  1080,  315,  "#00c000", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblSpeicher",   K::Label,     "",                                           "Memory",                        8280,  3960,  2655,  375,  "#ffffff", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblMemory",     K::Label,     "Speicher",                                   "",                              8280,  3550,  1180,  315,  "#ffffff", "",        kSans,   9.75,  true,  true,  true,  0},
    {"lblNameRA",     K::Label,     "   Name der Rechenart",                      "gebräuchlicher Name",           5160,  120,   5775,  375,  "#808080", "",        kSans,   9.75,  true,  false, true,  0},
    {"lblStp",        K::Label,     "    0",                                      "step",                          3600,  2640,  735,   255,  "#00ff00", "",        kSans,   8.25,  true,  false, true,  0},
    {"lblGfktwert",   K::Label,     "  Standard  ( Nachfolger:  x -> x + 1 )",    "",                              1800,  5320,  13335, 255,  "#000000", "#ffffc0", kSans,   9.75,  true,  false, false, 0},
    {"lblGrundfkt",   K::Label,     " Grundfunktion:",                            "",                              50,    5320,  1765,  255,  "#000000", "#ffffff", kSans,   9.75,  true,  false, false, 0},
    {"lblAuflzahl",   K::Label,     "Auflösungszahl",                             "",                              2880,  2340,  1455,  255,  "#00ff00", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblRechenzahl", K::Label,     "Rechenzahl",                                 "",                              3000,  210,   1215,  255,  "#00ff00", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblErgtitel",   K::Label,     "Ergebnis",                                   "",                              8880,  1035,  1095,  255,  "#ffff80", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblExponent",   K::Label,     "Exponent",                                   "",                              5160,  1030,  1095,  255,  "#8080ff", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblBasis",      K::Label,     "Basis",                                      "",                              1080,  1030,  855,   255,  "#8080ff", "",        kSans,   8.25,  true,  true,  true,  0},
    {"lblErgebnis",   K::Label,     "",                                           "Ergebnis",                      7910,  1320,  3050,  375,  "#ffff00", "",        kSans,   9.75,  true,  false, true,  0},
    {"lblSt",         K::Label,     "  | A | =",                                  "Ziffernzahl von A",             2880,  2640,  740,   255,  "#00ff00", "",        kSans,   8.25,  true,  false, true,  0},
    {"Line6",         K::Line,      "",                                           "",                              7440,  1560,  7680,  1560, "#000000", "",        "",      0,     false, false, false, 3},
    {"Line5",         K::Line,      "",                                           "",                              7440,  1440,  7680,  1440, "#000000", "",        "",      0,     false, false, false, 3},
    {"Line4",         K::Line,      "",                                           "",                              3840,  960,   4200,  1920, "#000000", "",        "",      0,     false, false, false, 5},
    {"Line3",         K::Line,      "",                                           "",                              3600,  1440,  3840,  960,  "#000000", "",        "",      0,     false, false, false, 5},
    {"Line2",         K::Line,      "",                                           "",                              3360,  960,   3600,  1440, "#000000", "",        "",      0,     false, false, false, 5},
    {"Line1",         K::Line,      "",                                           "",                              3000,  1920,  3360,  960,  "#000000", "",        "",      0,     false, false, false, 5},
});
// clang-format on

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

QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

std::span<const ControlRow> hauptLayout() {
    return kLayout;
}

const ControlRow* findRow(const QString& name) {
    for (const ControlRow& row : kLayout) {
        if (name == QLatin1String(row.name)) return &row;
    }
    return nullptr;
}

QFont fontFor(const ControlRow& row) {
    QFont font(QStringLiteral("Liberation Sans"));
    if (row.pointSize > 0) font.setPointSizeF(row.pointSize);
    font.setBold(row.bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString displayCaption(const ControlRow& row) {
    QString caption = fromUtf8(row.caption);
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
    return QRect(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
                 twipsToPixels(row.height));
}

void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
        palette.setColor(QPalette::Base, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    const QPalette::ColorRole role =
        qobject_cast<QLineEdit*>(widget) != nullptr ? QPalette::Text : QPalette::WindowText;
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

QColor backColour(const QWidget* widget) {
    const bool field = qobject_cast<const QLineEdit*>(widget) != nullptr;
    return widget->palette().color(QPalette::Active, field ? QPalette::Base : QPalette::Window);
}

QColor foreColour(const QWidget* widget) {
    const bool field = qobject_cast<const QLineEdit*>(widget) != nullptr;
    return widget->palette().color(QPalette::Active, field ? QPalette::Text : QPalette::WindowText);
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
        QString caption = displayCaption(row);
        if (row.kind == ControlKind::Button) {
            caption = wrapCaption(caption, fontFor(row), captionWidth(row));
        }
        const QFont font = fittedFont(fontFor(row), caption, captionWidth(row));
        switch (row.kind) {
            case ControlKind::Button: {
                auto* button = new QPushButton(parent);
                button->setAutoDefault(false);
                button->setFont(font);
                button->setText(caption);
                widget = button;
                break;
            }
            case ControlKind::TextField: {
                auto* field = new QLineEdit(parent);
                field->setFont(font);
                field->setText(caption);
                if (row.centred) field->setAlignment(Qt::AlignCenter);
                widget = field;
                break;
            }
            case ControlKind::Label:
            case ControlKind::Picture: {
                auto* label = new QLabel(parent);
                label->setFont(font);
                label->setText(caption);
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
        widget->setGeometry(pixelRect(row));
        if (*row.tooltip != '\0') widget->setToolTip(fromUtf8(row.tooltip));
        if (*row.back != '\0') setBackColour(widget, QColor(QLatin1String(row.back)));
        if (*row.fore != '\0') setForeColour(widget, QColor(QLatin1String(row.fore)));
    }
}

}  // namespace staffel::app
