#pragma once

class QWidget;

namespace staffel::app {

// The keys every secondary window shares. Escape closes it (a dialog keeps its own Escape,
// which rejects it, or in the graph first halts the sampling) and so does Ctrl+W; Return and
// Enter press the focused push button, also where the button is not a dialog's; a ring shows
// where the focus is (fokus_rahmen.h).
void fensterTasten(QWidget* fenster);

}  // namespace staffel::app
