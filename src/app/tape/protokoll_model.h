#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <deque>

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
    QString fehlerMeldung;  // the text of the "Problem" box the calculation ended with, German
    QString groesse;        // the size of a result beyond 10^308, as the engine wrote it
};

using ProtokollZeilen = std::deque<ProtokollZeile>;

// What a row reports in place of a result: the engine's Meldung, else the box the calculation
// ended with; empty when the result is a number that stands.
QString ausgangsText(const ProtokollZeile& zeile);

// The row's line in the engine's German, as files take it: the printed line,
// whose result gives way to the failure's text when the calculation ended with a box, and
// the size of a result beyond 10^308 after it.
QString protokollText(const ProtokollZeile& zeile);

// The row's line in the current language, as the tape shows it, the clipboard takes it and
// the printer prints it.
QString angezeigteZeile(const ProtokollZeile& zeile);

// The printed line with the size after the prescribed text, in the engine's German.
QString mitGroesse(const QString& druckzeile, const QString& groesse);

// The tape of this run: every finished value calculation, oldest first, shown by its line in
// the current language. Rows are appended, the oldest dropped beyond kMaxZeilen, or all
// replaced, so a view stays quick at the bound.
class ProtokollModell : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr std::size_t kMaxZeilen = 100'000;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void anhaengen(ProtokollZeile zeile);
    void leeren();
    // Replaces every row, keeping the newest kMaxZeilen; for a tape read back from its file.
    void ersetzen(ProtokollZeilen zeilen);
    const ProtokollZeilen& zeilen() const { return zeilen_; }

    // A note about the tape's file for the tape window: a QT_TRANSLATE_NOOP text of the context
    // "frmProtokoll" with up to two arguments, translated when shown; nullptr when all is well.
    void setzeHinweis(const char* text, const QStringList& argumente = {});
    QString hinweis() const;

  signals:
    void hinweisGeaendert();

  private:
    ProtokollZeilen zeilen_;
    const char* hinweisText_ = nullptr;
    QStringList hinweisArgumente_;
};

}  // namespace staffel::app
