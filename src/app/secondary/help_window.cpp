#include "app/secondary/help_window.h"

#include <QEvent>
#include <QFile>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <mutex>
#include <optional>

#include "app/language/fenster_texte.h"
#include "app/secondary/help_documents.h"
#include "app/shared/fenster_tasten.h"

// The resources live in the static window library; referencing their initialiser here makes
// sure the linker keeps them in every program that shows a help text.
static void initHilfeResourcen() {
    Q_INIT_RESOURCE(hilfe);
}

namespace staffel::app {

namespace {

struct HilfeInhalt {
    const char* name;
    const char* caption;  // German source text
    QColor background;
    QRect clientTwips;
    std::optional<layout::LabelDef> titel;  // its text is titelText
    const char* titelText;
    TextAnzeige text;
};

const HilfeInhalt& inhalt(Hilfe hilfe) {
    using layout::LabelDef;
    static const HilfeInhalt funktionsweise{
        "frmKomment",
        QT_TRANSLATE_NOOP("Hilfe", "Gebrauchsanweisung"),
        QColor(0xff, 0xc0, 0xc0),
        twipsRect(2640, 2025, 9600, 7665),
        LabelDef{"lblGebTit",
                 {},
                 twipsRect(480, 120, 8415, 375),
                 QColor(0xff, 0xff, 0xc0),
                 designFont(12, true),
                 true,
                 false},
        QT_TRANSLATE_NOOP("Hilfe", "    Funktionsweise des Taschenrechners zur Staffellehre"),
        {"rtbKomment",
         twipsRect(120, 600, 9375, 6975),
         QStringLiteral(":/hilfe/funktionsweise.html"),
         {1650}},
    };
    static const HilfeInhalt grundlagen{
        "frmGrundlagen",
        QT_TRANSLATE_NOOP("Hilfe", "Grundlagen"),
        QColor(0x80, 0x80, 0xff),
        twipsRect(1140, 1515, 9915, 8445),
        std::nullopt,
        "",
        {"rtbGrundlagen",
         twipsRect(120, 120, 9735, 8175),
         QStringLiteral(":/hilfe/grundlagen.html"),
         {2600}},
    };
    static const HilfeInhalt normal{
        "frmNormal",
        QT_TRANSLATE_NOOP("Hilfe", "Rechenarten mit normalalgebraischer Umschreibung"),
        QColor(0x00, 0x80, 0x80),
        twipsRect(3390, 2040, 9960, 8445),
        LabelDef{"lblUschrift",
                 {},
                 twipsRect(120, 120, 7095, 375),
                 QColor(Qt::white),
                 designFont(12, true),
                 true,
                 true},
        QT_TRANSLATE_NOOP("Hilfe", "  Rechenarten, die normalalgebraisch berechnet werden:"),
        {"rtbNormal",
         twipsRect(120, 600, 9255, 7695),
         QStringLiteral(":/hilfe/normal.html"),
         {2000, 4400}},
    };
    static const HilfeInhalt glossar{
        "frmGlossar",
        QT_TRANSLATE_NOOP("Hilfe", "Glossar"),
        QColor(0xff, 0x80, 0xff),
        twipsRect(1140, 1515, 9915, 8445),
        std::nullopt,
        "",
        {"rtbGlossar", twipsRect(120, 120, 9735, 8175), QStringLiteral(":/hilfe/glossar.html"), {}},
    };
    switch (hilfe) {
        case Hilfe::Funktionsweise:
            return funktionsweise;
        case Hilfe::Grundlagen:
            return grundlagen;
        case Hilfe::Normal:
            return normal;
        case Hilfe::Glossar:
            break;
    }
    return glossar;
}

}  // namespace

QString hilfeText(const QString& resource) {
    static std::once_flag once;
    std::call_once(once, initHilfeResourcen);
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QTextEdit* makeTextDisplay(QWidget* parent, const TextAnzeige& anzeige) {
    auto* edit = new QTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(anzeige.name));
    edit->setGeometry(anzeige.twips);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zeigeDokument(edit, anzeige);
    return edit;
}

void zeigeDokument(QTextEdit* edit, const TextAnzeige& anzeige) {
    edit->setHtml(hilfeText(hilfeDokument(anzeige.resource, aktuelleSprache())));

    // Columns are aligned by tab stops; the HTML keeps its tab characters (white-space:
    // pre-wrap), the stops themselves belong to the display and go on every paragraph.
    QList<QTextOption::Tab> tabs;
    for (int position : anzeige.tabsTwips) {
        tabs.append(QTextOption::Tab(twipsToPixels(position), QTextOption::LeftTab));
    }
    if (!tabs.isEmpty()) {
        QTextBlockFormat format;
        format.setTabPositions(tabs);
        QTextCursor cursor(edit->document());
        cursor.select(QTextCursor::Document);
        cursor.mergeBlockFormat(format);
    }
    edit->document()->setModified(false);
}

HilfeFenster::HilfeFenster(Hilfe hilfe, QWidget* parent)
    : QWidget(parent, Qt::Window), hilfe_(hilfe) {
    const HilfeInhalt& def = inhalt(hilfe);
    layout::setupWindow(this, def.name, QString(), def.clientTwips, def.background);
    if (def.titel) layout::makeLabel(this, *def.titel);
    anzeige_ = makeTextDisplay(this, def.text);
    fensterTasten(this);
    beschriften();
}

void HilfeFenster::beschriften() {
    const HilfeInhalt& def = inhalt(hilfe_);
    const FensterText texte[] = {{def.name, def.caption},
                                 {def.titel ? def.titel->name : def.name, def.titelText}};
    beschrifte(this, "Hilfe", std::span(texte, def.titel ? 2 : 1));
    // The text is what the window is about: a screen reader names it after the window.
    anzeige_->setAccessibleName(windowTitle());
}

// The document is read again in the new language; the view starts at its top.
void HilfeFenster::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        beschriften();
        zeigeDokument(anzeige_, inhalt(hilfe_).text);
    }
    QWidget::changeEvent(event);
}

}  // namespace staffel::app
