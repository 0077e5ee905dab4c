#include "app/support_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/graph/frm_graph.h"
#include "app/graph/frm_werte.h"
#include "app/language/engine_texts.h"
#include "app/secondary/frm_aufloes.h"
#include "app/secondary/frm_autor.h"
#include "app/secondary/frm_ende.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/window_design.h"
#include "app/tape/frm_protokoll.h"

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

AlleFenster::AlleFenster(Sitzung& s) {
    app::FrmHaupt& haupt = s.fenster();
    fenster_ << &haupt;
    haupt.findChild<QAction*>(QStringLiteral("mnuProtokoll"))->trigger();
    fenster_ << haupt.findChild<app::FrmProtokoll*>();
    for (void (*zeige)(QWidget*) : {&app::zeigeFunktionsweise, &app::zeigeGrundlagen,
                                    &app::zeigeNormalalgebraische, &app::zeigeGlossar}) {
        const QWidgetList vorher = QApplication::topLevelWidgets();
        zeige(&haupt);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!vorher.contains(w) && w->isVisible()) fenster_ << w;
        }
    }
    eigene_.push_back(std::make_unique<app::FrmAufloes>("{ 7, 6, 5 }", 2));
    eigene_.push_back(std::make_unique<app::FrmEnde>());
    eigene_.push_back(std::make_unique<app::FrmAutor>());
    eigene_.push_back(std::make_unique<app::FrmWerte>(einstellungen_));
    eigene_.push_back(std::make_unique<app::FrmGraph>(
        bruecke_, einstellungen_, "m[5 , 0][x , 2]", RechenartName{}, nullptr,
        [](float x) { return std::optional<double>(double{x} * double{x}); }));
    for (QMessageBox::Icon symbol : {QMessageBox::Critical, QMessageBox::Warning,
                                     QMessageBox::Question, QMessageBox::Information}) {
        auto box =
            std::make_unique<QMessageBox>(symbol, QCoreApplication::translate("Meldung", "Problem"),
                                          app::engineText(TextId::NennerNull), QMessageBox::Ok);
        box->setObjectName(QStringLiteral("Meldung"));
        app::nenneSymbol(*box);
        eigene_.push_back(std::move(box));
    }
    for (const auto& w : eigene_) {
        w->show();
        fenster_ << w.get();
    }
}

AlleFenster::~AlleFenster() {
    app::schliesseHilfefenster();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace staffel::apptest
