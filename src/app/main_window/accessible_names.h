#pragma once

#include <span>
#include <utility>

class QLabel;
class QString;
class QWidget;

namespace staffel::app {

// Before the main window's controls are built: its labels get an accessible interface that
// announces what they show, or their name while they show nothing. Interfaces are cached from
// the first accessibility event on, which building the controls already sends.
void installLabelAccessibility();

// Gives every control of the main window a name a screen reader can announce: input fields
// and value labels the caption of their title label (the step the tooltip of its title),
// pictures and the Symbol-font buttons their tooltip, the other buttons their caption on one
// line. Called again after the captions have changed language.
void setAccessibleNames(QWidget* surface);

// Names each control (first) after the label that captions it (second), as shown but without
// the blanks that pad the designed captions; the label then leaves the accessibility tree of
// a container given to titelAusblenden. Called again after a change of language.
using Beschriftet = std::pair<const char*, const char*>;
void nenneNachBeschriftung(QWidget* fenster, std::span<const Beschriftet> paare);

// Before the container's interface is first asked for: its accessibility tree leaves out the
// title labels among its children, whose words a screen reader hears in the names of the
// controls they caption, so no two of its controls share a name.
void titelAusblenden(QWidget* behaelter);

// Shows text in the label and tells assistive technology that the label's name has changed,
// so a screen reader speaks it while the focus stays where the user types. Every call is
// news, a text equal to the one before included (a repeated calculation).
void zeigeAngesagt(QLabel* label, const QString& text);

// What a screen reader hears of a text struck through as belonging to an earlier calculation.
QString veraltetBeschreibung();

// A widget that only paints (the graph) is announced as a canvas under its accessible name.
// Called before anything has asked for the widget's accessible interface.
void alsZeichenflaeche(QWidget* flaeche);

}  // namespace staffel::app
