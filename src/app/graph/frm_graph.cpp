#include "app/graph/frm_graph.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <iterator>
#include <limits>

#include "app/graph/graph_beschriftung.h"
#include "app/graph/graph_erkundung.h"
#include "app/graph/graph_fortschritt.h"
#include "app/graph/punkt_spalten.h"
#include "app/language/engine_texts.h"
#include "app/language/fenster_texte.h"
#include "app/main_window/accessible_names.h"
#include "app/shared/fenster_tasten.h"
#include "app/shared/message_seam.h"
#include "app/shared/window_design.h"

namespace staffel::app {

// The drawing surface below the menu: the logical 200 x 100 system stretches over it.
class GraphFlaeche : public QWidget {
  public:
    explicit GraphFlaeche(FrmGraph* graph) : QWidget(graph), graph_(graph) {
        setObjectName(QStringLiteral("drawingArea"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        graph_->malen(painter, size());
        graph_->erkundung_->zeichneAuswahl(painter);
    }
    // Qt reports the first display as a resize as well, so this is the drawing pass.
    void resizeEvent(QResizeEvent*) override { graph_->neuerDurchgang(); }

  private:
    FrmGraph* graph_;
};

namespace {

const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kHellblau(0x00, 0x00, 0xff);
const QColor kHellrot(0xff, 0x00, 0x00);
// How often the calculation thread hands its new dots over.
constexpr auto kAbgabeIntervall = std::chrono::milliseconds(20);

constexpr FensterText kTexte[] = {
    {"frmGraph", QT_TRANSLATE_NOOP("frmGraph", "Graph")},
    {"mnuGraphopt", QT_TRANSLATE_NOOP("frmGraph", "&Optionen")},
    {"mnuGraphdruck", QT_TRANSLATE_NOOP("frmGraph", "&Graphik drucken")},
    {"mnuBildSpeichern", QT_TRANSLATE_NOOP("frmGraph", "&Bild speichern …")},
    {"mnuWerteSpeichern", QT_TRANSLATE_NOOP("frmGraph", "&Werte speichern …")},
    {"mnuAnhalten", QT_TRANSLATE_NOOP("frmGraph", "&Anhalten")},
    {"mnuGraphEnd", QT_TRANSLATE_NOOP("frmGraph", "&Graphik ausblenden")},
    {"cmdAnhalten", QT_TRANSLATE_NOOP("frmGraph", "Anhalten")},
    {"mnuSkala", QT_TRANSLATE_NOOP("frmGraph", "&Skala")},
    {"mnuSkalaWert", QT_TRANSLATE_NOOP("frmGraph", "&Wert")},
    {"mnuSkalaLog", QT_TRANSLATE_NOOP("frmGraph", "&log₁₀|Wert|")},
    {"mnuSkalaHoehe", QT_TRANSLATE_NOOP("frmGraph", "&Turmhöhe")},
    {"mnuAnsicht", QT_TRANSLATE_NOOP("frmGraph", "A&nsicht")},
    {"mnuZurueck", QT_TRANSLATE_NOOP("frmGraph", "&Zurück")},
    {"mnuVergroessern", QT_TRANSLATE_NOOP("frmGraph", "Ver&größern")},
    {"mnuVerkleinern", QT_TRANSLATE_NOOP("frmGraph", "Ver&kleinern")},
    {"mnuAnfangsbereich", QT_TRANSLATE_NOOP("frmGraph", "&Anfangsbereich")},
};

struct SkalenEintrag {
    const char* name;
    Skala skala;
};
constexpr SkalenEintrag kSkalen[] = {
    {"mnuSkalaWert", Skala::Wert},
    {"mnuSkalaLog", Skala::Log10},
    {"mnuSkalaHoehe", Skala::Hoehe},
};

QString beschriftungText(const graph::Beschriftung& b) {
    if (b.muster == TextId::Keine) return QString::fromStdString(b.text);
    if (b.muster == TextId::GraphName) return engineText(b.muster).arg(engineText(b.name));
    QString text = engineText(b.muster);
    for (const std::string& teil : b.teile) text = text.arg(QString::fromStdString(teil));
    return text;
}

// A screen reader names the drawing by its headline, "Graph von x -> m[…]".
QString flaechenName(const GraphEinstellungen& g, const std::string& formel) {
    return beschriftungText(graph::Kopfzeilen(g, formel).front());
}

bool druckeAufStandarddrucker(const QImage& bild) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect seite = painter.viewport();
    const QSize groesse = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
    painter.setViewport(seite.x(), seite.y(), groesse.width(), groesse.height());
    painter.setWindow(bild.rect());
    painter.drawImage(0, 0, bild);
    return painter.end();
}

}  // namespace

FrmGraph::FrmGraph(EngineBridge& bruecke, GraphEinstellungen& einstellungen, std::string formel,
                   RechenartName name, QWidget* parent, graph::Auswertung werte)
    : QDialog(parent),
      bruecke_(bruecke),
      modul_(bruecke.modul()),
      einstellungen_(einstellungen),
      g_(einstellungen),
      formel_(std::move(formel)),
      name_(name),
      nameDesLaufs_(name),
      werte_(std::move(werte)),
      groessenleser_(modul_.graphVorlage()),
      punkte_(einstellungen.PunkteZahl) {
    setObjectName(QStringLiteral("frmGraph"));
    resize(twipsToPixels(9990), twipsToPixels(8445));
    move(twipsToPixels(2220), twipsToPixels(2055));
    if (!werte_) {
        werte_ = [this](float x) {
            GraphPunkt punkt = modul_.graphPunkt(x, g_.skala);
            // An undefined, overflowing or halted sample may leave the name of an operation the
            // engine tried on the way; the graph's operation is named by its defined samples.
            if (punkt.wert) nameDesLaufs_ = punkt.name;
            return graph::Stichwert(punkt.wert, punkt.skaliert, punkt.ohneGroesse);
        };
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* leiste = new QMenuBar(this);
    layout->setMenuBar(leiste);
    QMenu* mnuGraphopt = leiste->addMenu(QString());
    mnuGraphopt->setObjectName(QStringLiteral("mnuGraphopt"));
    mnuGraphdruck_ = mnuGraphopt->addAction(QString());
    mnuGraphdruck_->setObjectName(QStringLiteral("mnuGraphdruck"));
    mnuGraphdruck_->setCheckable(true);
    connect(mnuGraphdruck_, &QAction::triggered, this, [this](bool markiert) {
        if (markiert) Graphikdruck();
    });
    QAction* mnuBildSpeichern = mnuGraphopt->addAction(QString());
    mnuBildSpeichern->setObjectName(QStringLiteral("mnuBildSpeichern"));
    connect(mnuBildSpeichern, &QAction::triggered, this, [this] {
        if (const QString pfad = frageBildDatei(this, formel_); !pfad.isEmpty())
            bildSpeichern(pfad);
    });
    QAction* mnuWerteSpeichern = mnuGraphopt->addAction(QString());
    mnuWerteSpeichern->setObjectName(QStringLiteral("mnuWerteSpeichern"));
    connect(mnuWerteSpeichern, &QAction::triggered, this, [this] {
        if (const QString pfad = frageWerteDatei(this, formel_); !pfad.isEmpty())
            werteSpeichern(pfad);
    });
    mnuAnhalten_ = mnuGraphopt->addAction(QString());
    mnuAnhalten_->setObjectName(QStringLiteral("mnuAnhalten"));
    // The key of the main window's halt button.
    mnuAnhalten_->setShortcut(QKeySequence(Qt::Key_NumberSign));
    connect(mnuAnhalten_, &QAction::triggered, this, &FrmGraph::anhalten);
    QAction* mnuGraphEnd = mnuGraphopt->addAction(QString());
    mnuGraphEnd->setObjectName(QStringLiteral("mnuGraphEnd"));
    connect(mnuGraphEnd, &QAction::triggered, this, &QDialog::close);
    baueSkalenMenue(leiste);

    flaeche_ = new GraphFlaeche(this);
    alsZeichenflaeche(flaeche_);
    erkundung_ = new GraphErkundung(
        flaeche_,
        {[this] { return bereichVon(g_); }, [this](const Bereich& neu) { zeigeBereich(neu); },
         [this]() -> const std::vector<graph::Probe>& { return gespeicherteProben_; }},
        modul_.graphVorlage());
    erkundung_->baueMenue(leiste);
    layout->addWidget(flaeche_, 1);
    fortschritt_ = new GraphFortschritt(graph::StellenZahl(g_), this);
    connect(fortschritt_->cmdAnhalten(), &QPushButton::clicked, this, &FrmGraph::anhalten);
    layout->addWidget(fortschritt_);
    fensterTasten(this);

    beschrifte(this, "frmGraph", kTexte);
    flaeche_->setAccessibleName(flaechenName(g_, formel_));
}

// A menu of its own beside the prescribed one, so no prescribed control moves.
void FrmGraph::baueSkalenMenue(QMenuBar* leiste) {
    QMenu* menue = leiste->addMenu(QString());
    menue->setObjectName(QStringLiteral("mnuSkala"));
    skalen_ = new QActionGroup(menue);
    for (const SkalenEintrag& eintrag : kSkalen) {
        QAction* action = menue->addAction(QString());
        action->setObjectName(QLatin1String(eintrag.name));
        action->setCheckable(true);
        action->setChecked(eintrag.skala == g_.skala);
        skalen_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, skala = eintrag.skala] { setzeSkala(skala); });
    }
}

void FrmGraph::setzeSkala(Skala skala) {
    for (QAction* action : skalen_->actions()) {
        const auto* eintrag = std::find_if(
            std::begin(kSkalen), std::end(kSkalen),
            [&](const auto& e) { return action->objectName() == QLatin1String(e.name); });
        action->setChecked(eintrag->skala == skala);
    }
    if (skala == g_.skala) return;
    g_.skala = skala;
    einstellungen_.skala = skala;
    vorschau_.clear();
    neuStarten();
}

void FrmGraph::zeigeBereich(const Bereich& neu) {
    const Bereich alt = bereichVon(g_);
    std::vector<graph::Punkt> bisher;
    std::copy_if(vorschau_.begin(), vorschau_.end(), std::back_inserter(bisher),
                 [this](const graph::Punkt& p) { return p.x > vorschauAb_; });
    bisher.insert(bisher.end(), gespeichertePunkte_.begin(), gespeichertePunkte_.end());
    vorschau_ = umbilden(bisher, alt, neu);
    setzeBereich(g_, neu);
    // The settings window shows the view as the range to draw.
    setzeBereich(einstellungen_, neu);
    punkte_ = 0;
    neuStarten();
}

void FrmGraph::neuStarten() {
    if (!laeuft_) {
        neuerLauf();
        return;
    }
    // Without waiting for the running pass to reach its next halt point: the moved picture
    // shows at once, and the new pass starts once the old one has ended.
    ++lauf_;
    neustart_ = true;
    // The new pass may be stopped in turn, even while the old one is still ending.
    haltGewuenscht_ = false;
    bruecke_.requestHalt();
    leeren();
}

void FrmGraph::leeren() {
    gespeichertePunkte_.clear();
    gespeicherteProben_.clear();
    erkundung_->probenVerworfen();
    vorschauAb_ = -std::numeric_limits<double>::infinity();
    mnuAnhalten_->setEnabled(true);
    fortschritt_->neuBeginnen(graph::StellenZahl(g_));
    flaeche_->update();
}

void FrmGraph::neuerLauf() {
    leeren();
    starteProben();
}

// The labels of the drawing are translated as they are drawn.
void FrmGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        beschrifte(this, "frmGraph", kTexte);
        fortschritt_->beschriften();
        flaeche_->setAccessibleName(flaechenName(g_, formel_));
        flaeche_->update();
    }
    QDialog::changeEvent(event);
}

FrmGraph::~FrmGraph() {
    anhaltenUndWarten();
}

void FrmGraph::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!gestartet_) starteProben();
}

void FrmGraph::starteProben() {
    gestartet_ = true;
    haltGewuenscht_ = false;
    ++lauf_;
    // Runs on the calculation thread: collects what it samples and hands it over in batches.
    auto job = [this, name = name_, g = g_, lauf = lauf_] {
        Ernte ernte;
        ernte.name = name;
        ernte.lauf = lauf;
        auto abgegeben = std::chrono::steady_clock::now();
        auto abgeben = [&] {
            abgegeben = std::chrono::steady_clock::now();
            Ernte weiter{{}, {}, ernte.name, lauf};
            bruecke_.postToUi(
                [this, e = std::move(ernte)]() mutable { uebernehmen(std::move(e)); });
            ernte = std::move(weiter);
        };
        auto senke = [&](const graph::Punkt& p) { ernte.punkte.push_back(p); };
        auto proben = [&](const graph::Probe& probe) {
            ernte.name = nameDesLaufs_;
            ernte.proben.push_back(probe);
            if (std::chrono::steady_clock::now() - abgegeben >= kAbgabeIntervall) abgeben();
        };
        graph::Durchlauf(
            g, werte_, senke, [this] { return modul_.haltAngefordert(); }, proben);
        abgeben();
    };
    laeuft_ = bruecke_.start(std::move(job), [this] { beendet(); });
    if (!laeuft_) beendet();
}

void FrmGraph::beendet() {
    laeuft_ = false;
    if (neustart_) {
        neustart_ = false;
        starteProben();
        return;
    }
    // A whole pass has replaced every dot of the previous view; a stopped one only in part.
    if (!haltGewuenscht_) vorschau_.clear();
    mnuAnhalten_->setEnabled(false);
    fortschritt_->beendet();
    if (haltGewuenscht_) {
        // The halt was requested for this pass only; the main window calculates on.
        modul_.haltZuruecknehmen();
        zeigeHaltestelle();
    }
}

void FrmGraph::zeigeHaltestelle() {
    fortschritt_->angehalten(gespeicherteProben_.empty()
                                 ? std::nullopt
                                 : std::optional<float>(gespeicherteProben_.back().x));
}

void FrmGraph::uebernehmen(Ernte ernte) {
    if (ernte.lauf != lauf_) return;
    gespeicherteProben_.insert(gespeicherteProben_.end(), ernte.proben.begin(), ernte.proben.end());
    // A slow pass (undefined samples cost the solver much) shows at least how far it is.
    if (!ernte.proben.empty()) fortschritt_->zeige(gespeicherteProben_.size());
    for (const graph::Probe& probe : ernte.proben) {
        if (probe.durchgang == graph::Durchgang::Fein)
            vorschauAb_ = logischX(bereichVon(g_), probe.x);
    }
    const bool neuerName = ernte.name != name_;
    if (ernte.punkte.empty() && !neuerName) return;
    name_ = std::move(ernte.name);
    gespeichertePunkte_.insert(gespeichertePunkte_.end(), ernte.punkte.begin(), ernte.punkte.end());
    punkte_ = graph::PunkteAddieren(punkte_, ernte.punkte.size());
    flaeche_->update();
}

void FrmGraph::anhalten() {
    if (!laeuft_ || haltGewuenscht_) return;
    neustart_ = false;
    haltGewuenscht_ = true;
    // A slow solve may reach its next halt point only after seconds: the window does not wait
    // for it. What the pass hands over until it ends stays drawn, and the row below says
    // where it stopped, once more when the pass has ended.
    bruecke_.requestHalt();
    mnuAnhalten_->setEnabled(false);
    fortschritt_->beendet();
    zeigeHaltestelle();
}

void FrmGraph::anhaltenUndWarten() {
    if (!laeuft_) return;
    neustart_ = false;
    anhalten();
    bruecke_.haltAndWait();
}

void FrmGraph::neuerDurchgang() {
    punkte_ = graph::PunkteAddieren(punkte_, gespeichertePunkte_.size());
    flaeche_->update();
}

void FrmGraph::done(int ergebnis) {
    // The dots of the pass count up to its very end.
    anhaltenUndWarten();
    einstellungen_.PunkteZahl = punkte_;
    QDialog::done(ergebnis);
}

void FrmGraph::keyPressEvent(QKeyEvent* event) {
    // Esc first stops a running sampling and keeps what is drawn; once nothing runs it closes.
    if (event->key() == Qt::Key_Escape && laeuft_ && !haltGewuenscht_) {
        anhalten();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmGraph::malen(QPainter& painter, const QSize& groesse) const {
    const double breite = groesse.width();
    const double hoehe = groesse.height();
    auto punkt = [&](double x, double y) {
        return QPointF(x * breite / graph::kBreite, (graph::kHoehe - y) * hoehe / graph::kHoehe);
    };
    auto stift = [&](const QColor& farbe, double weite, Qt::PenStyle stil = Qt::SolidLine) {
        QPen pen(farbe, weite, stil);
        painter.setPen(pen);
    };
    auto schreibe = [&](const graph::Beschriftung& b) {
        const QPointF ecke = punkt(b.x, b.y);
        const QString text = passendeZahl(b, beschriftungText(b), QFontMetricsF(painter.font()),
                                          b.raum * breite / graph::kBreite);
        painter.drawText(QRectF(ecke, QSizeF(breite, hoehe)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    };

    painter.fillRect(QRectF(0, 0, breite, hoehe), Qt::white);
    painter.setFont(designFont(8.25, false));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);

    stift(kSchwarz, 3);
    painter.drawRect(
        QRectF(punkt(graph::kLinks, graph::kOben), punkt(graph::kRechts, graph::kUnten)));

    stift(kHellrot, 2);
    const double mitteX = (graph::kLinks + graph::kRechts) / 2;
    const double mitteY = (graph::kUnten + graph::kOben) / 2;
    painter.drawLine(punkt(mitteX, graph::kOben), punkt(mitteX, graph::kUnten));
    painter.drawLine(punkt(graph::kLinks, mitteY), punkt(graph::kRechts, mitteY));

    stift(kSchwarz, 1);
    for (const auto& b : graph::Kopfzeilen(g_, formel_)) schreibe(b);

    stift(kHellrot, 1, Qt::DotLine);
    for (const auto& l : graph::GitterLinien(g_.GitterX, g_.GitterY)) {
        painter.drawLine(punkt(l.x1, l.y1), punkt(l.x2, l.y2));
    }

    auto zeichnePunkte = [&](graph::Durchgang durchgang, const QColor& farbe, double weite) {
        QVector<QPointF> lagen;
        for (const auto& p : gespeichertePunkte_) {
            if (p.durchgang == durchgang && !p.ohneGroesse) lagen.push_back(punkt(p.x, p.y));
        }
        for (const auto& p : vorschau_) {
            if (p.durchgang == durchgang && !p.ohneGroesse && p.x > vorschauAb_)
                lagen.push_back(punkt(p.x, p.y));
        }
        QPen pen(farbe, weite);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        if (lagen.size() <= kPunkteJeSpalte * groesse.width()) {
            painter.drawPoints(lagen.constData(), static_cast<int>(lagen.size()));
            return;
        }
        const std::vector<QLineF> striche =
            spaltenStriche(std::span<const QPointF>(lagen.constData(), lagen.size()), groesse);
        painter.drawLines(striche.data(), static_cast<int>(striche.size()));
    };
    zeichnePunkte(graph::Durchgang::Grob, kHellblau, 6);
    zeichnePunkte(graph::Durchgang::Fein, kSchwarz, 2);

    // Results beyond 10^308 whose size is not known: a small red wedge on the top edge,
    // pointing up, out of the frame.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHellrot);
    for (const auto& p : gespeichertePunkte_) {
        if (!p.ohneGroesse) continue;
        const QPointF spitze = punkt(p.x, p.y);
        const QPointF keil[] = {spitze, spitze + QPointF(-3, 5), spitze + QPointF(3, 5)};
        painter.drawPolygon(keil, 3);
    }
    painter.setBrush(Qt::NoBrush);

    stift(kSchwarz, 1);
    for (const auto& b : graph::Schlusszeilen(g_, name_, punkte_)) schreibe(b);
}

QImage FrmGraph::bild() const {
    QImage bild(flaeche_->size(), QImage::Format_RGB32);
    QPainter painter(&bild);
    malen(painter, bild.size());
    return bild;
}

bool FrmGraph::bildSpeichern(const QString& pfad) {
    return speichereGraphBild(
        this, pfad, flaeche_->size(), devicePixelRatioF(),
        [this](QPainter& painter, const QSize& groesse) { malen(painter, groesse); });
}

bool FrmGraph::werteSpeichern(const QString& pfad) {
    return speichereGraphWerte(this, pfad, gespeicherteProben_, g_.skala,
                               [this](float x) { return groessenleser_.groesse(x); });
}

void FrmGraph::Graphikdruck() {
    const QImage druckbild = bild();
    const bool gedruckt = drucker_ ? drucker_(druckbild) : druckeAufStandarddrucker(druckbild);
    if (!gedruckt) {
        zeigeNachricht(
            this, {QCoreApplication::translate("Meldung", "Zelkon"),
                   QCoreApplication::translate("Meldung", "Die Form kann nicht gedruckt werden."),
                   QMessageBox::NoIcon});
    }
}

}  // namespace staffel::app
