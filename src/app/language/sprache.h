#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace staffel::app {

// The program is German; English is a translation laid over it at run time.
enum class Sprache { Deutsch, Englisch };

// "de" or "en", as on the command line and in the settings.
QString sprachKuerzel(Sprache sprache);
std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel);

struct Sprachwahl {
    std::optional<Sprache> sprache;  // given on the command line for this run
    // Not null: the option was malformed. A source text of the context "Aufruf", translated
    // when it is told, with fehlerWert for its %1.
    const char* fehler = nullptr;
    QString fehlerWert;
};

// Reads "--lang de|en" or "--lang=de|en"; other arguments are left to others.
Sprachwahl spracheAusArgumenten(const QStringList& argumente);

// The choice remembered from an earlier run; German when there is none.
Sprache gemerkteSprache();
// Remembers the choice for later runs; a box tells the user when the settings cannot keep it.
void merkeSprache(Sprache sprache);

// The language a run starts in: the one given on the command line, else the remembered one.
Sprache startSprache(const Sprachwahl& wahl);

// Installs the English translator, or Qt's German one for its own dialogs; Qt then sends
// QEvent::LanguageChange to every widget. False when the English translation could not be
// loaded: the program stays German.
bool setzeSprache(Sprache sprache);
Sprache aktuelleSprache();

}  // namespace staffel::app
