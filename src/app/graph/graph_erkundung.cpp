#include "app/graph/graph_erkundung.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/graph/graph_ablesung.h"
#include "app/main_window/accessible_names.h"

namespace staffel::app {

namespace {

// One notch of the wheel, and one press of + or -, shows this much of an axis.
constexpr double kZoomSchritt = 0.8;
// An arrow key moves the view by this part of the drawing.
constexpr double kSchrittAnteil = 0.1;
// The readout stands this far beside the sample it reads.
constexpr int kAbstand = 12;

}  // namespace

GraphErkundung::GraphErkundung(QWidget* flaeche, Fenster fenster, GraphVorlage vorlage)
    : QObject(flaeche),
      flaeche_(flaeche),
      fenster_(std::move(fenster)),
      leser_(std::move(vorlage)),
      anfang_(fenster_.bereich()),
      ablesung_(new QLabel(flaeche)) {
    ablesung_->setObjectName(QStringLiteral("lblAblesung"));
    ablesung_->setAttribute(Qt::WA_TransparentForMouseEvents);
    ablesung_->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; border: 1px solid black; padding: 2px; }"));
    ablesung_->hide();
    flaeche_->setMouseTracking(true);
    flaeche_->installEventFilter(this);
}

void GraphErkundung::baueMenue(QMenuBar* leiste) {
    QMenu* menue = leiste->addMenu(QString());
    menue->setObjectName(QStringLiteral("mnuAnsicht"));
    auto eintrag = [&](const char* name, QList<QKeySequence> tasten, auto befehl) {
        QAction* action = menue->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(tasten);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, befehl);
        return action;
    };
    mnuZurueck_ = eintrag("mnuZurueck", {QKeySequence(Qt::Key_Backspace), QKeySequence::Back},
                          [this] { zurueck(); });
    mnuZurueck_->setEnabled(false);
    eintrag("mnuVergroessern", {QKeySequence(Qt::Key_Plus), QKeySequence::ZoomIn},
            [this] { zoomenUmMitte(kZoomSchritt); });
    eintrag("mnuVerkleinern", {QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut},
            [this] { zoomenUmMitte(1 / kZoomSchritt); });
    eintrag("mnuAnfangsbereich", {QKeySequence(Qt::Key_Home)}, [this] { zumAnfang(); });

    // Keys without a menu entry, for the whole window: the drawing takes no focus of its own,
    // so they reach it wherever the focus is (a push button would take the arrows).
    QWidget* fenster = flaeche_->window();
    auto taste = [&](const char* name, QKeySequence folge, auto befehl) {
        auto* action = new QAction(fenster);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(folge);
        action->setShortcutContext(Qt::WindowShortcut);
        fenster->addAction(action);
        connect(action, &QAction::triggered, this, befehl);
    };
    taste("tasteLinks", QKeySequence(Qt::Key_Left), [this] { schieben(kSchrittAnteil, 0); });
    taste("tasteRechts", QKeySequence(Qt::Key_Right), [this] { schieben(-kSchrittAnteil, 0); });
    taste("tasteHoch", QKeySequence(Qt::Key_Up), [this] { schieben(0, kSchrittAnteil); });
    taste("tasteRunter", QKeySequence(Qt::Key_Down), [this] { schieben(0, -kSchrittAnteil); });
    taste("tasteProbeZurueck", QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { schreiten(-1); });
    taste("tasteProbeVor", QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { schreiten(1); });
}

void GraphErkundung::aendern(const Bereich& genau) {
    const Bereich alt = fenster_.bereich();
    const Bereich neu = gerundet(genau);
    if (neu == alt || !zeichenbar(neu)) return;
    verlauf_.push_back(alt);
    mnuZurueck_->setEnabled(true);
    fenster_.zeigen(neu);
}

void GraphErkundung::zurueck() {
    if (verlauf_.empty()) return;
    const Bereich vorher = verlauf_.back();
    verlauf_.pop_back();
    mnuZurueck_->setEnabled(!verlauf_.empty());
    fenster_.zeigen(vorher);
}

void GraphErkundung::zumAnfang() {
    aendern(anfang_);
}

void GraphErkundung::zoomenUmMitte(double faktor) {
    aendern(zoomen(fenster_.bereich(), 0.5, 0.5, faktor, faktor));
}

bool GraphErkundung::eventFilter(QObject* beobachtet, QEvent* event) {
    if (beobachtet != flaeche_) return false;
    const double breite = flaeche_->width();
    const double hoehe = flaeche_->height();
    switch (event->type()) {
        case QEvent::Wheel: {
            auto* rad = static_cast<QWheelEvent*>(event);
            // Some systems turn the wheel with Shift into a horizontal one.
            const QPoint winkel = rad->angleDelta();
            const int drehung = winkel.y() != 0 ? winkel.y() : winkel.x();
            if (drehung == 0) return true;
            const double faktor = std::pow(kZoomSchritt, drehung / 120.0);
            const Qt::KeyboardModifiers mod = rad->modifiers();
            const QPointF zeiger = rad->position();
            aendern(zoomen(fenster_.bereich(), rahmenAnteilX(zeiger.x(), breite),
                           rahmenAnteilY(zeiger.y(), hoehe), mod & Qt::ShiftModifier ? 1 : faktor,
                           mod & Qt::ControlModifier ? 1 : faktor));
            return true;
        }
        case QEvent::MouseButtonPress: {
            auto* maus = static_cast<QMouseEvent*>(event);
            if (maus->button() != Qt::LeftButton) return false;
            ziehen_ = Ziehen{maus->position(), fenster_.bereich()};
            return true;
        }
        case QEvent::MouseMove: {
            auto* maus = static_cast<QMouseEvent*>(event);
            if (!ziehen_ || !(maus->buttons() & Qt::LeftButton)) {
                waehle(naechsteProbe(fenster_.proben(), fenster_.bereich(), flaeche_->size(),
                                     maus->position()));
                return false;
            }
            const QPointF weg = maus->position() - ziehen_->start;
            const Bereich neu =
                gerundet(verschieben(ziehen_->vorher, weg.x(), weg.y(), breite, hoehe));
            if (neu == fenster_.bereich() || !zeichenbar(neu)) return true;
            // A whole drag is one step back.
            if (!ziehen_->bewegt) {
                ziehen_->bewegt = true;
                verlauf_.push_back(ziehen_->vorher);
                mnuZurueck_->setEnabled(true);
            }
            fenster_.zeigen(neu);
            return true;
        }
        case QEvent::MouseButtonRelease:
            ziehen_.reset();
            return false;
        case QEvent::Leave:
            waehle(std::nullopt);
            return false;
        default:
            return false;
    }
}

void GraphErkundung::schieben(double anteilX, double anteilY) {
    const double breite = flaeche_->width();
    const double hoehe = flaeche_->height();
    aendern(verschieben(fenster_.bereich(), anteilX * breite, anteilY * hoehe, breite, hoehe));
}

void GraphErkundung::schreiten(int schritt) {
    if (const auto naechste = naechsteInX(fenster_.proben(), gewaehlt_, schritt)) waehle(naechste);
}

void GraphErkundung::probenVerworfen() {
    waehle(std::nullopt);
}

const std::optional<std::string>& GraphErkundung::groesseVon(const graph::Probe& probe) {
    if (!groesse_ || groesse_->first != probe.x) groesse_.emplace(probe.x, leser_.groesse(probe.x));
    return groesse_->second;
}

void GraphErkundung::waehle(std::optional<std::size_t> probe) {
    const auto& proben = fenster_.proben();
    if (probe && *probe >= proben.size()) probe.reset();
    if (probe == gewaehlt_) return;
    gewaehlt_ = probe;
    flaeche_->update();
    if (!probe) {
        ablesung_->hide();
        flaeche_->setAccessibleDescription(QString());
        return;
    }
    const graph::Probe& p = proben[*probe];
    static const std::optional<std::string> keine;
    const QStringList zeilen = ablesungZeilen(p, p.y ? keine : groesseVon(p));
    zeigeAngesagt(ablesung_, zeilen.join(QLatin1Char('\n')));
    flaeche_->setAccessibleDescription(zeilen.join(QStringLiteral(", ")));
    ablesung_->adjustSize();
    const QSize groesse = flaeche_->size();
    const QPointF bei =
        probenLage(p, fenster_.bereich(), groesse)
            .value_or(QPointF(logischX(fenster_.bereich(), p.x) * groesse.width() / graph::kBreite,
                              groesse.height() / 2.0));
    QPoint ecke = bei.toPoint() + QPoint(kAbstand, kAbstand);
    // Beside the sample, on the side where it fits.
    if (ecke.x() + ablesung_->width() > groesse.width())
        ecke.setX(bei.toPoint().x() - kAbstand - ablesung_->width());
    if (ecke.y() + ablesung_->height() > groesse.height())
        ecke.setY(bei.toPoint().y() - kAbstand - ablesung_->height());
    ablesung_->move(std::max(ecke.x(), 0), std::max(ecke.y(), 0));
    ablesung_->show();
}

void GraphErkundung::zeichneAuswahl(QPainter& painter) const {
    const auto& proben = fenster_.proben();
    if (!gewaehlt_ || *gewaehlt_ >= proben.size()) return;
    const graph::Probe& p = proben[*gewaehlt_];
    const QSize groesse = flaeche_->size();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    if (const auto lage = probenLage(p, fenster_.bereich(), groesse)) {
        painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 2));
        painter.drawEllipse(*lage, 6, 6);
        return;
    }
    // A sample without a dot is marked by its column.
    painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 1, Qt::DashLine));
    const double spalte = logischX(fenster_.bereich(), p.x) * groesse.width() / graph::kBreite;
    painter.drawLine(QPointF(spalte, 0), QPointF(spalte, groesse.height()));
}

}  // namespace staffel::app
