#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

namespace staffel::app {

// One value calculation as the tape keeps it.
struct ProtokollZeile {
    QString druckzeile;  // the printed line, «m[4 , 0][2 , 3] =   6»
    QString rechenart;   // the four fields as the user typed them
    QString aufzahl;
    QString basis;
    QString exponent;
    QString ergebnis;  // the result label's text, as the engine wrote it
    QString meldung;   // the engine's message; empty when the result is a number
    QString name;      // the name label's text, as the engine wrote it
    bool gueltig = false;
    QString groesse;  // the size of a result beyond 10^308, as the engine wrote it
};

// The printed line with the size after the prescribed text, in the engine's German.
QString mitGroesse(const QString& druckzeile, const QString& groesse);

// The tape of this run: every finished value calculation, oldest first, shown by its printed
// line. Rows are only appended or all removed, so a view stays quick at 100 000 rows.
class ProtokollModell : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void anhaengen(ProtokollZeile zeile);
    void leeren();
    const std::vector<ProtokollZeile>& zeilen() const { return zeilen_; }

  private:
    std::vector<ProtokollZeile> zeilen_;
};

}  // namespace staffel::app
