#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/secondary/secondary_layout.h"

class QTextEdit;

namespace staffel::app {

// The four help windows share one shape: an optional title label above a read-only rich
// text loaded from the program's resources.
enum class Hilfe { Funktionsweise, Grundlagen, Normal, Glossar };

struct TextAnzeige {
    const char* name;
    QRect twips;
    QString resource;      // ":/hilfe/....html", the German document
    QList<int> tabsTwips;  // tab stops of the columns
};

// The stored rich text of a help resource; empty when the resource is missing.
QString hilfeText(const QString& resource);

// A read-only rich-text display showing the resource in the current language, with its tab
// stops; zeigeDokument loads it again.
QTextEdit* makeTextDisplay(QWidget* parent, const TextAnzeige& anzeige);
void zeigeDokument(QTextEdit* edit, const TextAnzeige& anzeige);

class HilfeFenster : public QWidget {
    Q_OBJECT
  public:
    explicit HilfeFenster(Hilfe hilfe, QWidget* parent = nullptr);
    Hilfe hilfe() const { return hilfe_; }
    QTextEdit* anzeige() const { return anzeige_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void beschriften();

    Hilfe hilfe_;
    QTextEdit* anzeige_ = nullptr;
};

}  // namespace staffel::app
