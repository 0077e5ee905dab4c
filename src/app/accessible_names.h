#pragma once

class QWidget;

namespace staffel::app {

// Before the main window's controls are built: its labels get an accessible interface that
// announces what they show, or their name while they show nothing. Interfaces are cached from
// the first accessibility event on, which building the controls already sends.
void installLabelAccessibility();

// Gives every control of the main window a name a screen reader can announce: input fields
// and value labels the caption of their title label, pictures and the Symbol-font buttons
// their tooltip; the other buttons and labels are named by their captions. Called again after
// the captions have changed language.
void setAccessibleNames(QWidget* surface);

}  // namespace staffel::app
