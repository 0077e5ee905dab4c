#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/graph/graph_ansicht.h"
#include "engine/graph/graph_groesse.h"
#include "engine/graph/graph_pass.h"

class QAction;
class QLabel;
class QMenuBar;
class QPainter;
class QWidget;

namespace staffel::app {

// Exploring the graph without the settings window. The wheel zooms at the pointer, both axes,
// with Ctrl the x axis alone and with Shift the y axis alone; dragging moves the view; the
// keys do the same anywhere in the window: +/- zoom at the centre, the arrows move,
// Home goes back to the range the window was opened with. "Zurück" (Backspace, Alt+Left)
// undoes one view change after the other. Hovering reads the sample nearest to the pointer;
// Ctrl+Left and Ctrl+Right step the same readout from sample to sample, and screen readers
// hear it.
class GraphErkundung : public QObject {
  public:
    // What it needs of its window: the view shown, the change to another view (a new drawing
    // pass), and the samples of the view shown so far.
    struct Fenster {
        std::function<Bereich()> bereich;
        std::function<void(const Bereich&)> zeigen;
        std::function<const std::vector<graph::Probe>&()> proben;
    };

    GraphErkundung(QWidget* flaeche, Fenster fenster, GraphVorlage vorlage);

    // The menu "Ansicht" with the view commands and their keys.
    void baueMenue(QMenuBar* leiste);

    // The samples were taken anew: the readout refers to none of them.
    void probenVerworfen();
    // Marks the sample read on the drawing.
    void zeichneAuswahl(QPainter& painter) const;

    void zurueck();
    void zumAnfang();
    void zoomenUmMitte(double faktor);

  protected:
    bool eventFilter(QObject* beobachtet, QEvent* event) override;

  private:
    // To that view, rounded; one step for Zurück.
    void aendern(const Bereich& genau);
    void waehle(std::optional<std::size_t> probe);
    const std::optional<std::string>& groesseVon(const graph::Probe& probe);
    // Moves the view as a drag by that part of the drawing would.
    void schieben(double anteilX, double anteilY);
    // The readout to the next sample by x (1) or the one before (-1).
    void schreiten(int schritt);

    QWidget* flaeche_;
    Fenster fenster_;
    graph::Groessenleser leser_;
    const Bereich anfang_;
    std::vector<Bereich> verlauf_;
    QAction* mnuZurueck_ = nullptr;
    QLabel* ablesung_;
    std::optional<std::size_t> gewaehlt_;
    std::optional<std::pair<float, std::optional<std::string>>> groesse_;  // of the last x read
    struct Ziehen {
        QPointF start;
        Bereich vorher;
        bool bewegt = false;
    };
    std::optional<Ziehen> ziehen_;
};

}  // namespace staffel::app
