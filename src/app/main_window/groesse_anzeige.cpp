#include "app/main_window/groesse_anzeige.h"

#include <QLabel>
#include <QStringList>

#include "app/language/groesse_worte.h"
#include "app/main_window/accessible_names.h"
#include "app/shared/window_design.h"

namespace staffel::app {

namespace {

constexpr int kAbstand = 2;
constexpr int kZeilen = 3;  // the longest size, "(10^)^k m.mmmE+n", needs two at most

}  // namespace

GroesseAnzeige::GroesseAnzeige(QLabel* ergebnis)
    : QObject(ergebnis), ergebnis_(ergebnis), zeile_(new QLabel(ergebnis->parentWidget())) {
    zeile_->setObjectName(QStringLiteral("lblGroesse"));
    QFont schrift = ergebnis->font();
    schrift.setBold(false);
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    zeile_->setFont(schrift);
    zeile_->setWordWrap(true);
    zeile_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    zeile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    zeile_->setFocusPolicy(Qt::NoFocus);
    const QRect unter = ergebnis->geometry();
    zeile_->setGeometry(unter.x(), unter.bottom() + 1 + kAbstand, unter.width(),
                        QFontMetrics(schrift).lineSpacing() * kZeilen);
    zeile_->hide();
}

void GroesseAnzeige::zeige(const std::optional<std::string>& groesse) {
    groesse_ = groesse ? QString::fromStdString(*groesse) : QString();
    const QString text = groesse ? groesseZeile(groesse_) : QString();
    zeigeAngesagt(zeile_, text);
    zeile_->setVisible(groesse.has_value());
    beschreiben();
}

void GroesseAnzeige::setzeVeraltet(bool veraltet) {
    veraltet_ = veraltet;
    streicheDurch(ergebnis_, veraltet);
    streicheDurch(zeile_, veraltet);
    beschreiben();
}

void GroesseAnzeige::beschreiben() {
    QStringList teile;
    if (veraltet_) teile << veraltetBeschreibung();
    if (!groesse_.isEmpty()) teile << zeile_->text();
    ergebnis_->setAccessibleDescription(teile.join(QStringLiteral(". ")));
}

std::optional<std::string> GroesseAnzeige::alsText() const {
    if (groesse_.isEmpty()) return std::nullopt;
    return groesse_.toStdString();
}

}  // namespace staffel::app
