#include "app/frm_autor.h"

#include <QPushButton>
#include <QTextEdit>

#include "app/help_window.h"
#include "app/secondary_layout.h"

namespace staffel::app {

FrmAutor::FrmAutor(QWidget* parent) : QDialog(parent) {
    using namespace layout;
    setObjectName(QStringLiteral("frmAutor"));
    setWindowTitle(QStringLiteral("Autor"));
    const QRect client = twipsRect(825, 2655, 6405, 2535);
    setGeometry(client);
    setFixedSize(client.size());
    setBackground(this, QColor(0x80, 0x80, 0xff));

    anzeige_ = makeTextDisplay(
        this,
        {"rtbAutor", twipsRect(120, 120, 6135, 1695), QStringLiteral(":/hilfe/autor.html"), {}});

    auto* ok = new QPushButton(QStringLiteral("ok"), this);
    ok->setObjectName(QStringLiteral("cmdAEnde"));
    ok->setGeometry(twipsRect(2400, 1920, 1455, 495));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace staffel::app
