#include "app/secondary/frm_autor.h"

#include <QEvent>
#include <QPushButton>
#include <QTextEdit>

#include "app/language/fenster_texte.h"
#include "app/secondary/help_window.h"
#include "app/secondary/secondary_layout.h"
#include "app/shared/fenster_tasten.h"

namespace staffel::app {

namespace {

constexpr FensterText kTexte[] = {
    {"frmAutor", QT_TRANSLATE_NOOP("frmAutor", "Autor")},
    {"cmdAEnde", QT_TRANSLATE_NOOP("frmAutor", "ok")},
};

const TextAnzeige& autorText() {
    static const TextAnzeige text{
        "rtbAutor", twipsRect(120, 120, 6135, 1695), QStringLiteral(":/hilfe/autor.html"), {}};
    return text;
}

}  // namespace

FrmAutor::FrmAutor(QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setupWindow(this, "frmAutor", QString(), twipsRect(825, 2655, 6405, 2535),
                QColor(0x80, 0x80, 0xff));

    anzeige_ = makeTextDisplay(this, autorText());

    auto* ok = makeButton(this, "cmdAEnde", QString(), twipsRect(2400, 1920, 1455, 495));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fensterTasten(this);
    beschriften();
}

// A screen reader names the text after the window, as in the help windows.
void FrmAutor::beschriften() {
    beschrifte(this, "frmAutor", kTexte);
    anzeige_->setAccessibleName(windowTitle());
}

void FrmAutor::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        beschriften();
        zeigeDokument(anzeige_, autorText());
    }
    QDialog::changeEvent(event);
}

}  // namespace staffel::app
