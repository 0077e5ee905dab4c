#include "app/graph/graph_fortschritt.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <climits>

#include "engine/numbers/number_text.h"

namespace staffel::app {

QString tausenderText(std::size_t n) {
    QString text = QString::number(n);
    for (qsizetype i = text.size() - 3; i > 0; i -= 3) text.insert(i, QLatin1Char(' '));
    return text;
}

GraphFortschritt::GraphFortschritt(std::size_t gesamt, QWidget* parent)
    : QWidget(parent),
      balken_(new QProgressBar(this)),
      cmdAnhalten_(new QPushButton(this)),
      gesamt_(gesamt) {
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 2, 4, 2);
    balken_->setObjectName(QStringLiteral("prgFortschritt"));
    setzeBereich();
    balken_->setTextVisible(true);
    cmdAnhalten_->setObjectName(QStringLiteral("cmdAnhalten"));
    zeile->addWidget(balken_, 1);
    zeile->addWidget(cmdAnhalten_);
    zeige(0);
}

void GraphFortschritt::setzeBereich() {
    // Both passes together take at most about a million samples.
    balken_->setRange(0, static_cast<int>(std::clamp<std::size_t>(gesamt_, 1, INT_MAX)));
}

void GraphFortschritt::zeige(std::size_t fertig) {
    fertig_ = fertig;
    balken_->setValue(static_cast<int>(std::min<std::size_t>(fertig_, balken_->maximum())));
    beschriften();
}

void GraphFortschritt::beendet() {
    cmdAnhalten_->setEnabled(false);
}

void GraphFortschritt::neuBeginnen(std::size_t gesamt) {
    gesamt_ = gesamt;
    setzeBereich();
    cmdAnhalten_->setEnabled(true);
    angehalten_ = false;
    zeige(0);
}

void GraphFortschritt::angehalten(std::optional<float> beiX) {
    angehalten_ = true;
    beiX_ = beiX;
    beschriften();
}

void GraphFortschritt::beschriften() {
    QString text = QCoreApplication::translate("frmGraph", "Punkte %1 von %2")
                       .arg(tausenderText(fertig_), tausenderText(gesamt_));
    if (angehalten_) {
        const QString x = beiX_ ? QString::fromStdString(Trimmen(ZahlText(*beiX_))) : QString();
        text = QCoreApplication::translate("frmGraph", "Angehalten bei x = %1 · %2").arg(x, text);
    }
    // The bar's format would read "%" as the start of a placeholder.
    balken_->setFormat(QString(text).replace(QLatin1Char('%'), QLatin1String("%%")));
    if (balken_->accessibleName() != text) balken_->setAccessibleName(text);
}

}  // namespace staffel::app
