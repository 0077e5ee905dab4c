#pragma once

#include <span>

class QWidget;

namespace staffel::app {

// A text of a window: the objectName of what it belongs to (the window's own name for its
// title) and the German source text, marked for lupdate with QT_TRANSLATE_NOOP.
struct FensterText {
    const char* name;
    const char* quelle;
};

// Gives the window and its named children their texts in the current language: the window
// its title, a menu or frame its title, a label, button or menu entry its text. Windows call
// it when built and again on QEvent::LanguageChange.
void beschrifte(QWidget* fenster, const char* kontext, std::span<const FensterText> texte);

}  // namespace staffel::app
