#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/graph/graph_ansicht.h"
#include "app/graph/graph_export.h"
#include "app/shared/engine_bridge.h"
#include "engine/graph/graph_groesse.h"
#include "engine/graph/graph_pass.h"
#include "engine/modul_ra.h"

class QAction;
class QActionGroup;
class QMenuBar;

namespace staffel::app {

class GraphErkundung;
class GraphFlaeche;
class GraphFortschritt;

// frmGraph, "Graph": draws the operation of bruecke's ModulRA as a function of x. The samples
// are evaluated once, on bruecke's calculation thread, while the window shows the dots as they
// arrive and the bar below tells how far the sampling is; every change of size redraws them
// from that store and counts them again in PunkteZahl. "Anhalten" (or Esc while sampling) asks
// the sampling to halt without waiting for it, and keeps what is drawn; closing the window
// halts it and waits.
class FrmGraph : public QDialog {
    Q_OBJECT

  public:
    // The graph of formel, whose operation is named name so far, drawn with einstellungen;
    // closing counts the dots drawn into them. werte replaces the engine's evaluation of a
    // sample (tests); by default each sample is one point of the bridge's ModulRA.
    FrmGraph(EngineBridge& bruecke, GraphEinstellungen& einstellungen, std::string formel,
             RechenartName name, QWidget* parent = nullptr, graph::Auswertung werte = {});
    ~FrmGraph() override;

    // Prints an image; false when it could not be printed. The default sends it to the
    // default printer.
    using Drucker = std::function<bool(const QImage&)>;
    void setzeDrucker(Drucker drucker) { drucker_ = std::move(drucker); }

    bool rechnetNoch() const { return laeuft_; }
    Int16 punkteZahl() const { return punkte_; }
    RechenartName name() const { return name_; }
    // The graph as drawn, the same image printing sends.
    QImage bild() const;

    void Graphikdruck();

    // Draws the graph anew in that y scale and keeps it for the next graph.
    void setzeSkala(Skala skala);
    Skala skala() const { return g_.skala; }

    // What "Bild speichern …" and "Werte speichern …" write: the graph as drawn so far, and
    // every sample evaluated so far. False when saving failed (the user has been told).
    bool bildSpeichern(const QString& pfad);
    bool werteSpeichern(const QString& pfad);

    void done(int ergebnis) override;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class GraphFlaeche;

    // What the calculation thread hands over to the window in one batch.
    struct Ernte {
        std::vector<graph::Punkt> punkte;
        std::vector<graph::Probe> proben;
        RechenartName name;
        std::uint64_t lauf = 0;
    };

    void starteProben();
    void baueSkalenMenue(QMenuBar* leiste);
    void uebernehmen(Ernte ernte);
    // Asks the pass to stop and returns at once.
    void anhalten();
    // Stops the pass and takes in all it handed over before returning.
    void anhaltenUndWarten();
    // A pass is running: it stops (a new view, a new scale) and the new one starts once it
    // has ended.
    void neuStarten();
    void zeigeHaltestelle();
    void neuerDurchgang();
    // A new pass over that view; the picture so far stays, moved into it, until the new dots
    // replace it.
    void zeigeBereich(const Bereich& neu);
    void neuerLauf();
    // Forgets the samples and dots of the view before; the progress starts at 0.
    void leeren();
    void beendet();
    void malen(QPainter& painter, const QSize& groesse) const;

    EngineBridge& bruecke_;
    ModulRA& modul_;
    GraphEinstellungen& einstellungen_;
    GraphEinstellungen g_;  // as drawn: the settings' copy, with the scale chosen here
    const std::string formel_;
    RechenartName name_;
    RechenartName nameDesLaufs_;  // as the last sample left it; the calculation thread's
    graph::Auswertung werte_;
    // The sizes "Werte speichern" writes, from the operation as it was when the window opened.
    graph::Groessenleser groessenleser_;
    Int16 punkte_;
    std::vector<graph::Punkt> gespeichertePunkte_;
    std::vector<graph::Probe> gespeicherteProben_;
    // The previous view's dots where they lie in this one, drawn right of vorschauAb_, where
    // the fine pass of this view has not yet been.
    std::vector<graph::Punkt> vorschau_;
    double vorschauAb_ = -std::numeric_limits<double>::infinity();
    bool haltGewuenscht_ = false;
    // Which pass the window is drawing; what an earlier one still hands over is dropped.
    std::uint64_t lauf_ = 0;
    // A view change waits for the pass it stopped to end, then starts its own.
    bool neustart_ = false;
    Drucker drucker_;

    GraphFlaeche* flaeche_ = nullptr;
    QAction* mnuGraphdruck_ = nullptr;
    QAction* mnuAnhalten_ = nullptr;
    QActionGroup* skalen_ = nullptr;
    GraphFortschritt* fortschritt_ = nullptr;
    GraphErkundung* erkundung_ = nullptr;
    bool gestartet_ = false;
    bool laeuft_ = false;
};

}  // namespace staffel::app
