#include "app/support_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/shared/window_design.h"

namespace staffel::apptest {

Sitzung::Sitzung() {
    app::setzeNachrichtenAnzeige([this](QWidget*, const app::Nachricht& n) { meldungen_ << n; });
    QObject::connect(&schliesser_, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    schliesser_.start(50);
    fenster_ = std::make_unique<app::FrmHaupt>();
    fenster_->show();
    if (!QTest::qWaitForWindowExposed(fenster_.get())) qFatal("main window never shown");
}

Sitzung::~Sitzung() {
    fenster_.reset();
    app::setzeNachrichtenAnzeige({});
}

QStringList Sitzung::meldungsTexte() const {
    QStringList texte;
    for (const app::Nachricht& n : meldungen_) texte << n.text;
    return texte;
}

QWidget* Sitzung::widget(const char* name) const {
    auto* found = fenster_->findChild<QWidget*>(QLatin1String(name));
    if (found == nullptr) qFatal("no control named %s", name);
    return found;
}

QLineEdit* Sitzung::feld(const char* name) const {
    return qobject_cast<QLineEdit*>(widget(name));
}

QString Sitzung::text(const char* name) const {
    QWidget* w = widget(name);
    if (auto* f = qobject_cast<QLineEdit*>(w)) return f->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return qobject_cast<QPushButton*>(w)->text();
}

QColor Sitzung::hinten(const char* name) const {
    return app::backColour(widget(name));
}

void Sitzung::eingaben(const QString& r, const QString& a, const QString& b, const QString& e) {
    feld("txtRechenart")->setText(r);
    feld("txtAufzahl")->setText(a);
    feld("txtBasis")->setText(b);
    feld("txtExponent")->setText(e);
}

void Sitzung::klick(const char* name) {
    QTest::mouseClick(qobject_cast<QPushButton*>(widget(name)), Qt::LeftButton);
}

bool Sitzung::rechne(const char* trigger, Qt::Key taste) {
    QSignalSpy fertig(fenster_.get(), &app::FrmHaupt::calculationFinished);
    if (taste == Qt::Key_unknown) {
        klick(trigger);
    } else {
        widget(trigger)->setFocus();
        QTest::keyClick(widget(trigger), taste);
    }
    return !fertig.isEmpty() || fertig.wait(60000);
}

bool Sitzung::zeigtGueltig(bool gueltig) const {
    return widget("picJarech")->isHidden() != gueltig &&
           widget("picNorech")->isHidden() == gueltig &&
           hinten("lblErgebnis") == (gueltig ? QColor(0xff, 0xff, 0x00) : QColor(0xc0, 0xc0, 0x00));
}

}  // namespace staffel::apptest
