#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace staffel::app {

class ProtokollAblage;

// The user's answer when the tape cannot be saved at the end of the run.
enum class EndeWahl { Wiederholen, Anderswo, OhneProtokoll };

// The question with its text, and the file dialog for saving elsewhere (empty when cancelled).
struct EndeDialoge {
    std::function<EndeWahl(QWidget* haupt, const QString& text)> frage;
    std::function<QString(QWidget* haupt)> speicherort;
};

// Replaces the question and the file dialog, for tests; empty functions restore the real ones.
void setzeEndeDialoge(EndeDialoge dialoge);

// The save at the end of the run, while the main window still stands: when it fails, the user
// is asked until the tape is saved, saved elsewhere, or given up.
void sichereAmEnde(QWidget* haupt, ProtokollAblage& ablage);

// Tells the main window's user, without stopping them, when saving the tape begins to fail and
// whenever its reason changes.
void meldeSicherungsfehler(QWidget* haupt, ProtokollAblage& ablage);

}  // namespace staffel::app
