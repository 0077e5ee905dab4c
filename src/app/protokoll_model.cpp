#include "app/protokoll_model.h"

namespace staffel::app {

int ProtokollModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant ProtokollModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return zeilen_[static_cast<std::size_t>(index.row())].druckzeile;
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
