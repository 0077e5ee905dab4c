#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

#include "app/secondary_layout.h"

class QTextEdit;

namespace staffel::app {

// The four help windows share one shape: an optional title label above a read-only rich
// text loaded from the program's resources.
enum class Hilfe { Funktionsweise, Grundlagen, Normal, Glossar };

struct TextAnzeige {
    const char* name;
    QRect twips;
    QString resource;      // ":/hilfe/....html"
    QList<int> tabsTwips;  // tab stops of the columns
};

struct HilfeInhalt {
    const char* name;
    QString caption;
    QColor background;
    QRect clientTwips;
    std::optional<layout::LabelDef> titel;
    TextAnzeige text;
};

const HilfeInhalt& hilfeInhalt(Hilfe hilfe);

// The stored rich text of a help resource; empty when the resource is missing.
QString hilfeText(const QString& resource);

// A read-only rich-text display showing the resource, with its tab stops.
QTextEdit* makeTextDisplay(QWidget* parent, const TextAnzeige& anzeige);

class HilfeFenster : public QWidget {
    Q_OBJECT
  public:
    explicit HilfeFenster(Hilfe hilfe, QWidget* parent = nullptr);
    Hilfe hilfe() const { return hilfe_; }
    QTextEdit* anzeige() const { return anzeige_; }

  private:
    Hilfe hilfe_;
    QTextEdit* anzeige_ = nullptr;
};

}  // namespace staffel::app
