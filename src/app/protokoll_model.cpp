#include "app/protokoll_model.h"

#include <QCoreApplication>

#include "app/engine_texts.h"

namespace staffel::app {

int ProtokollModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant ProtokollModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    // The printed line ends in the result as the engine wrote it; the list shows that result in
    // the current language.
    const ProtokollZeile& zeile = zeilen_[static_cast<std::size_t>(index.row())];
    QString text = zeile.druckzeile;
    if (text.endsWith(zeile.ergebnis)) {
        text = text.chopped(zeile.ergebnis.size()) + engineText(zeile.ergebnis.toStdString());
    }
    if (zeile.groesse.isEmpty()) return text;
    // The same words as beneath the result label.
    return text + QLatin1String("   ") +
           QCoreApplication::translate("frmHaupt", "Größe: %1").arg(zeile.groesse);
}

QString mitGroesse(const QString& druckzeile, const QString& groesse) {
    if (groesse.isEmpty()) return druckzeile;
    return druckzeile + QStringLiteral("   Größe: ") + groesse;
}

void ProtokollModell::anhaengen(ProtokollZeile zeile) {
    const int neu = rowCount();
    beginInsertRows({}, neu, neu);
    zeilen_.push_back(std::move(zeile));
    endInsertRows();
}

void ProtokollModell::leeren() {
    beginResetModel();
    zeilen_.clear();
    endResetModel();
}

}  // namespace staffel::app
