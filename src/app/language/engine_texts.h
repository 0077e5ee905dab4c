#pragma once

#include <QString>

#include "engine/model/engine_texte.h"

namespace staffel::app {

// The engine's texts in the current language, by id: its messages, names and labels (with
// %1, %2 for the parts that vary, which the caller puts in). Keine gives an empty text.
QString engineText(TextId id);
QString engineText(RechenartName name);

// The translation source of an id: the engine's German; nullptr for Keine.
const char* engineTextQuelle(TextId id);

// A German text the tape kept from an earlier run, in the current language when it is one of
// the engine's texts or a result label showing one; any other text (a number) as it is.
QString gespeicherterEngineText(const QString& deutsch);

}  // namespace staffel::app
