#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace staffel::app {

// What a row stands for: a calculation that gave a value, one that a box refused before it ran,
// or a graph that was drawn.
enum class ZeilenArt { Wert, Abgelehnt, Graph };

// One calculation as the tape keeps it.
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
    ZeilenArt art = ZeilenArt::Wert;
    // When it was calculated, in ms since the epoch, and which run's which row it is: the rows of
    // several runs on one file are merged by them. 0 and empty in files from before they were kept.
    qint64 zeit = 0;
    QString id{};
};

using ProtokollZeilen = std::deque<ProtokollZeile>;

// What a row reports in place of a result: the engine's Meldung, else the box the calculation
// ended with; empty when the result is a number that stands.
QString ausgangsText(const ProtokollZeile& zeile);

// The row's line in the engine's German, as files take it: the printed line,
// whose result gives way to the failure's text when the calculation ended with a box, and
// the size of a result beyond 10^308 after it; a refused calculation or a graph behind its mark.
QString protokollText(const ProtokollZeile& zeile);

// The row's line in the current language, as the tape shows it, the clipboard takes it and
// the printer prints it.
QString angezeigteZeile(const ProtokollZeile& zeile);

// The printed line with the size after the prescribed text, in the engine's German.
QString mitGroesse(const QString& druckzeile, const QString& groesse);

// A row of a refused calculation: the inputs as typed and the German text of the box that refused
// them.
ProtokollZeile abgelehnteZeile(const QStringList& eingaben, const QString& box);
// A row of a drawn graph: its formula as the engine read it and the inputs as typed.
ProtokollZeile graphZeile(const QString& formel, const QStringList& eingaben);

// The clock the tape's rows are stamped with, in ms since the epoch; tests set their own, an
// empty function restores the system's.
using ProtokollUhr = std::function<qint64()>;
void setzeProtokollUhr(ProtokollUhr uhr);

// The tape of this run: every finished calculation, oldest first, shown by its line in the
// current language. Rows are appended, the oldest dropped beyond kMaxZeilen, or all replaced,
// so a view stays quick at the bound. An appended row is stamped with its time and an id that
// no other run shares.
class ProtokollModell : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr std::size_t kMaxZeilen = 100'000;

    explicit ProtokollModell(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void anhaengen(ProtokollZeile zeile);
    // Removes every row; geleert tells up to which time the tape is cleared.
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
    void geleert(qint64 bis);

  private:
    // Later than every time this run has stamped, so that its rows keep their order.
    qint64 naechsteZeit();

    ProtokollZeilen zeilen_;
    const QString lauf_;
    quint64 gezaehlt_ = 0;
    qint64 letzteZeit_ = 0;
    const char* hinweisText_ = nullptr;
    QStringList hinweisArgumente_;
};

}  // namespace staffel::app
