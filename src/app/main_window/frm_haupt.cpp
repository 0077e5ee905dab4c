#include "app/main_window/frm_haupt.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <memory>
#include <span>
#include <vector>

#include "app/graph/graph_launcher.h"
#include "app/language/engine_texts.h"
#include "app/language/fenster_texte.h"
#include "app/language/groesse_worte.h"
#include "app/language/sprache.h"
#include "app/main_window/accessible_names.h"
#include "app/main_window/face_icons.h"
#include "app/main_window/haupt_layout.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/fokus_rahmen.h"
#include "app/shared/zeilenweise.h"
#include "app/tape/frm_protokoll.h"
#include "app/tape/protokoll_model.h"
#include "engine/numbers/number_text.h"

namespace staffel::app {

namespace {

const QColor kFensterGruen(0x00, 0x80, 0x00);
const QColor kAufzahlHell(0xc0, 0xff, 0xc0);
const QColor kAufzahlGesperrt(0x00, 0xff, 0x00);
const QColor kExponentHinten(0xc0, 0xc0, 0xff);
const QColor kGrenzwertHinten(0x00, 0x00, 0x80);
const QColor kErgebnisGueltig(0xff, 0xff, 0x00);
const QColor kErgebnisUngueltig(0xc0, 0xc0, 0x00);
const QColor kNameGueltig(0xe0, 0xe0, 0xe0);
const QColor kNameUngueltig(0x80, 0x80, 0x80);

// Counters are polled this often while a calculation runs.
constexpr int kPollMilliseconds = 50;

// The client area: paints the six lines of the drawn "M" and "=" beneath the controls.
class NotationSurface : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const DrawnLine* line : findChildren<DrawnLine*>(Qt::FindDirectChildrenOnly)) {
            QPen pen(Qt::black, line->width());
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            const QLine t = line->twips();
            painter.drawLine(QLineF(t.x1(), t.y1(), t.x2(), t.y2()) *
                             QTransform::fromScale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel));
        }
    }
};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Whether the key would change a field's text.
bool schreibt(const QKeyEvent& taste) {
    if (taste.matches(QKeySequence::Paste) || taste.matches(QKeySequence::Cut) ||
        taste.key() == Qt::Key_Backspace || taste.key() == Qt::Key_Delete) {
        return true;
    }
    const QString text = taste.text();
    return !text.isEmpty() && text.front().isPrint();
}

template <class T>
T* child(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QLatin1String(name));
    Q_ASSERT(widget != nullptr);
    return widget;
}

// The title and the menus; the controls' captions are in the layout table.
constexpr FensterText kTexte[] = {
    {"frmHaupt", QT_TRANSLATE_NOOP("frmHaupt", "Taschenrechner für die Staffellehre")},
    {"mnuAndere", QT_TRANSLATE_NOOP("frmHaupt", "&Weiteres")},
    {"mnuQuell", QT_TRANSLATE_NOOP("frmHaupt", "&Quellrechenart")},
    {"mnuRedruck", QT_TRANSLATE_NOOP("frmHaupt", "&Rechnung drucken")},
    {"mnuProtokoll", QT_TRANSLATE_NOOP("frmHaupt", "&Protokoll")},
    {"mnuSprache", QT_TRANSLATE_NOOP("frmHaupt", "Sprache / &Language")},
    {"mnuDeutsch", QT_TRANSLATE_NOOP("frmHaupt", "&Deutsch")},
    {"mnuEnglish", QT_TRANSLATE_NOOP("frmHaupt", "&English")},
    {"mnuEnde", QT_TRANSLATE_NOOP("frmHaupt", "&Ende")},
    {"mnuInfos", QT_TRANSLATE_NOOP("frmHaupt", "&Infos")},
    {"mnuGebrauch", QT_TRANSLATE_NOOP("frmHaupt", "&Funktionsweise")},
    {"mnuGrundlagen", QT_TRANSLATE_NOOP("frmHaupt", "&Grundlagen")},
    {"mnuNormal", QT_TRANSLATE_NOOP("frmHaupt", "&Normalalgebraische Rechenarten")},
    {"mnuGlossar", QT_TRANSLATE_NOOP("frmHaupt", "&Glossar")},
    {"mnuAutor", QT_TRANSLATE_NOOP("frmHaupt", "&Autor")},
    {"mnuKopieren", QT_TRANSLATE_NOOP("frmHaupt", "Kopieren")},
};

// Controls that would change the inputs or the engine state while a calculation runs.
constexpr const char* kLockedWhileRunning[] = {
    "txtRechenart", "txtAufzahl", "txtBasis",    "txtExponent", "cmdPlus",   "cmdMinus",
    "cmdMal",       "cmdDiv",     "cmdPot",      "cmdSqrt",     "cmdLog",    "cmdHypPot",
    "cmdReiheP",    "cmdReiheM",  "cmdKehrwert", "cmdSpiegel",  "cmdNeuGes", "cmdMemtoBase",
    "cmdMemToExp",  "cmdRechne",  "cmdEulersch", "cmdAufl",
};

}  // namespace

FrmHaupt::FrmHaupt(QWidget* parent) : QMainWindow(parent), bridge_(modul_, this) {
    modul_.setHost(&bridge_);
    setObjectName(QStringLiteral("frmHaupt"));

    auto* surface = new NotationSurface(this);
    surface->setObjectName(QStringLiteral("frmHauptClient"));
    surface->setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setBackColour(surface, kFensterGruen);
    installLabelAccessibility();
    titelAusblenden(surface);
    buildControls(surface);
    setCentralWidget(surface);

    txtRechenart_ = child<QLineEdit>(surface, "txtRechenart");
    txtAufzahl_ = child<QLineEdit>(surface, "txtAufzahl");
    txtBasis_ = child<QLineEdit>(surface, "txtBasis");
    txtExponent_ = child<QLineEdit>(surface, "txtExponent");
    lblErgebnis_ = child<QLabel>(surface, "lblErgebnis");
    groesse_ = new GroesseAnzeige(lblErgebnis_);
    lblNameRA_ = child<QLabel>(surface, "lblNameRA");
    lblStp_ = child<QLabel>(surface, "lblStp");
    lblSpeicher_ = child<QLabel>(surface, "lblSpeicher");
    picJarech_ = child<QLabel>(surface, "picJarech");
    picNorech_ = child<QLabel>(surface, "picNorech");
    picJarech_->setPixmap(smilingFace(devicePixelRatioF()));
    picNorech_->setPixmap(straightFace(devicePixelRatioF()));

    // The fields and the two calculate buttons first, as the window has always had them; the
    // other buttons as the eye reads them, row by row.
    QWidget* vorher = nullptr;
    for (QWidget* erst : {static_cast<QWidget*>(txtRechenart_), static_cast<QWidget*>(txtAufzahl_),
                          static_cast<QWidget*>(txtBasis_), static_cast<QWidget*>(txtExponent_),
                          static_cast<QWidget*>(child<QPushButton>(surface, "cmdAufl")),
                          static_cast<QWidget*>(child<QPushButton>(surface, "cmdRechne"))}) {
        if (vorher != nullptr) setTabOrder(vorher, erst);
        vorher = erst;
    }
    std::vector<QWidget*> knoepfe;
    for (const ControlRow& row : hauptLayout()) {
        if (row.kind != ControlKind::Button) continue;
        const QString name = QLatin1String(row.name);
        auto* button = child<QPushButton>(surface, row.name);
        button->installEventFilter(this);
        if (name == QLatin1String("cmdAufl") || name == QLatin1String("cmdRechne")) continue;
        knoepfe.push_back(button);
    }
    tabZeilenweise(knoepfe, vorher);

    counterTimer_ = new QTimer(this);
    counterTimer_->setInterval(kPollMilliseconds);
    connect(counterTimer_, &QTimer::timeout, this, [this] { pollCounters(false); });

    buildMenus();
    buildCopying();
    buildHaltKey();
    retranslate();
    connectControls();
    setupCounters();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(twipsToPixels(1590), twipsToPixels(1665));

    zuruecksetzen();
    SetDefault();
    fokusRahmen(this);
    txtRechenart_->setFocus();
}

FrmHaupt::~FrmHaupt() {
    bridge_.stopAndWait();
}

void FrmHaupt::buildMenus() {
    const auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* andere = menuBar()->addMenu(QString());
    andere->setObjectName(QStringLiteral("mnuAndere"));
    named(andere->menuAction(), "mnuAndere");
    named(andere->addAction(QString()), "mnuQuell");
    mnuRedruck_ = named(andere->addAction(QString()), "mnuRedruck");
    mnuRedruck_->setCheckable(true);
    mnuRedruck_->setChecked(false);
    connect(mnuRedruck_, &QAction::toggled, this, [this](bool on) { drucker_.setzeAktiv(on); });
    protokoll_ = new ProtokollModell(this);
    connect(named(andere->addAction(QString()), "mnuProtokoll"), &QAction::triggered, this,
            [this] { zeigeProtokoll(this, *protokoll_); });

    // The language switches at once; the windows retranslate on QEvent::LanguageChange, and
    // retranslating sets the check marks.
    QMenu* sprachen = andere->addMenu(QString());
    sprachen->setObjectName(QStringLiteral("mnuSprache"));
    named(sprachen->menuAction(), "mnuSprache");
    auto* gruppe = new QActionGroup(sprachen);
    for (const auto& [name, sprache] :
         {std::pair{"mnuDeutsch", Sprache::Deutsch}, std::pair{"mnuEnglish", Sprache::Englisch}}) {
        QAction* action = named(sprachen->addAction(QString()), name);
        action->setCheckable(true);
        gruppe->addAction(action);
        connect(action, &QAction::triggered, this, [this, sprache] {
            if (setzeSprache(sprache)) merkeSprache(sprache);
            sprachwahlZeigen();
        });
    }
    connect(named(andere->addAction(QString()), "mnuEnde"), &QAction::triggered, this,
            &FrmHaupt::ende);

    QMenu* infos = menuBar()->addMenu(QString());
    infos->setObjectName(QStringLiteral("mnuInfos"));
    named(infos->menuAction(), "mnuInfos");
    const auto entry = [this, infos, &named](const char* name, void (*open)(QWidget*)) {
        QAction* action = named(infos->addAction(QString()), name);
        connect(action, &QAction::triggered, this, [this, open] { open(this); });
    };
    entry("mnuGebrauch", &zeigeFunktionsweise);
    entry("mnuGrundlagen", &zeigeGrundlagen);
    entry("mnuNormal", &zeigeNormalalgebraische);
    entry("mnuGlossar", &zeigeGlossar);
    entry("mnuAutor", &zeigeAutor);
}

void FrmHaupt::sprachwahlZeigen() {
    findChild<QAction*>(QStringLiteral("mnuDeutsch"))
        ->setChecked(aktuelleSprache() == Sprache::Deutsch);
    findChild<QAction*>(QStringLiteral("mnuEnglish"))
        ->setChecked(aktuelleSprache() == Sprache::Englisch);
}

void FrmHaupt::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

// Everything the window shows in words, again in the current language: captions, tooltips,
// menus, the names a screen reader announces, and what the engine last reported.
void FrmHaupt::retranslate() {
    beschrifte(this, "frmHaupt", kTexte);
    beschrifteControls(centralWidget());
    setAccessibleNames(centralWidget());
    sprachwahlZeigen();
    zeigeName(nameAngezeigt_);
    zeigeErgebnis(ergebnisAngezeigt_, meldungAngezeigt_, groesse_->alsText());
    // The limit's exponent text changes language without resetting the limit mode: the change
    // handler ignores the limit text of the new language.
    const QString vorher = unendlichText_;
    unendlichText_ = engineText(TextId::Unendlich);
    if (txtExponent_->text() == vorher && !vorher.isEmpty()) {
        txtExponent_->setText(unendlichText_);
    }
}

void FrmHaupt::zeigeName(RechenartName name) {
    nameAngezeigt_ = name;
    lblNameRA_->setText(engineText(name));
    lblNameRA_->setAccessibleDescription(nameVeraltet_ ? veraltetBeschreibung() : QString());
}

// The name is the new calculation's; with the result too when it showed one.
void FrmHaupt::zeigeFrisch(bool mitErgebnis) {
    if (mitErgebnis) groesse_->setzeVeraltet(false);
    nameVeraltet_ = false;
    streicheDurch(lblNameRA_, false);
    lblNameRA_->setAccessibleDescription(QString());
}

void FrmHaupt::markiereVeraltet() {
    groesse_->setzeVeraltet(true);
    nameVeraltet_ = true;
    streicheDurch(lblNameRA_, true);
    zeigeName(nameAngezeigt_);
}

void FrmHaupt::zeigeErgebnis(const std::string& ergebnis, TextId meldung,
                             const std::optional<std::string>& groesse) {
    ergebnisAngezeigt_ = ergebnis;
    meldungAngezeigt_ = meldung;
    // The size first: the result's announcement carries it as its description.
    groesse_->zeige(groesse);
    // A Meldung stands in the label behind a blank, as FormatErgebnis puts it.
    zeigeAngesagt(lblErgebnis_,
                  meldung == TextId::Keine ? qs(ergebnis) : QLatin1Char(' ') + engineText(meldung));
}

// The engine reads the limit's exponent text in German, as the tape keeps it.
QString FrmHaupt::exponentEingabe() const {
    const QString text = txtExponent_->text();
    return text == unendlichText_ ? QString::fromUtf8(texte::Unendlich) : text;
}

QStringList FrmHaupt::eingabeTexte() const {
    return {txtRechenart_->text(), txtAufzahl_->text(), txtBasis_->text(), exponentEingabe()};
}

// Ctrl+C copies the result, or the size of one beyond 10^308, wherever the focus stands,
// unless a field has text selected; the result label can be selected with the mouse and
// offers the same copying in its menu.
void FrmHaupt::buildCopying() {
    auto* kopieren = new QAction(this);
    kopieren->setObjectName(QStringLiteral("mnuKopieren"));
    kopieren->setShortcut(QKeySequence::Copy);
    connect(kopieren, &QAction::triggered, this, &FrmHaupt::copyResult);
    addAction(kopieren);
    lblErgebnis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selecting must not take the focus away from the field the user types in.
    lblErgebnis_->setFocusPolicy(Qt::NoFocus);
    lblErgebnis_->setContextMenuPolicy(Qt::ActionsContextMenu);
    lblErgebnis_->addAction(kopieren);
}

// Escape halts a running calculation, wherever the focus stands.
void FrmHaupt::buildHaltKey() {
    auto* anhalten = new QAction(this);
    anhalten->setObjectName(QStringLiteral("mnuAnhalten"));
    anhalten->setShortcut(Qt::Key_Escape);
    connect(anhalten, &QAction::triggered, this, [this] {
        if (bridge_.busy()) halt();
    });
    addAction(anhalten);
}

void FrmHaupt::copyResult() {
    QString text = lblErgebnis_->hasSelectedText() ? lblErgebnis_->selectedText()
                                                   : lblErgebnis_->text().trimmed();
    if (!lblErgebnis_->hasSelectedText() && !groesse_->groesse().isEmpty()) {
        text = groesseText(groesse_->groesse());
    }
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void FrmHaupt::setupCounters() {
    QWidget* surface = centralWidget();
    const auto counter = [surface](const char* name, Zaehler zaehler) {
        return CounterDisplay{child<QLabel>(surface, name), static_cast<std::size_t>(zaehler)};
    };
    counters_ = {
        counter("lblRecBer", Zaehler::Ber),        counter("lblRecIII", Zaehler::III),
        counter("lblRecNA", Zaehler::NA),          counter("lblRecIV", Zaehler::IV),
        counter("lblRecG0", Zaehler::G0),          counter("lblRecG1", Zaehler::G1),
        counter("lblRecG00", Zaehler::G00),        counter("lblRecG11", Zaehler::G11),
        counter("lblInterv", Zaehler::Intervalle), counter("lblAktIntv", Zaehler::AktIntervall),
    };
}

bool FrmHaupt::eventFilter(QObject* watched, QEvent* event) {
    const auto* taste =
        event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool enter =
        taste != nullptr && (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter);
    // Enter on a focused button presses it, as Space does.
    if (auto* button = qobject_cast<QPushButton*>(watched); button != nullptr && enter) {
        if (!taste->isAutoRepeat()) button->click();
        return true;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field == nullptr) return QMainWindow::eventFilter(watched, event);
    if (enter) {
        calculate();
        return true;
    }
    if (taste != nullptr && taste->matches(QKeySequence::Copy) && !field->hasSelectedText()) {
        copyResult();
        return true;
    }
    if (taste != nullptr && field->isReadOnly() && schreibt(*taste)) sperrHinweis();
    if (event->type() == QEvent::MouseButtonDblClick) {
        field->setText(QString());
        if (field == txtExponent_) setExponentNormalColours();
        // The way out of the Auflösungszahl's lock that its hint names.
        if (field == txtAufzahl_) {
            setzeAufzahlSperre(false);
        } else {
            field->setReadOnly(false);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Keys swallowed by the locked Auflösungszahl field are answered with how to free it.
void FrmHaupt::sperrHinweis() {
    QToolTip::showText(txtAufzahl_->mapToGlobal(QPoint(0, txtAufzahl_->height())), sperrText(),
                       txtAufzahl_);
}

// About the calculation that locked the field: the Rechenart typed since may well need an
// Auflösungszahl.
QString FrmHaupt::sperrText() const {
    return QCoreApplication::translate("frmHaupt",
                                       "Gesperrt: die Rechenzahl %1 der Rechnung, die das Feld "
                                       "gesperrt hat, braucht keine Auflösungszahl.\n"
                                       "Ein Doppelklick leert das Feld und gibt es frei.")
        .arg(sperrRechenart_.trimmed());
}

// Screen readers hear a locked field as read-only and why, the eye sees its colour.
void FrmHaupt::setzeAufzahlSperre(bool gesperrt) {
    if (gesperrt) sperrRechenart_ = txtRechenart_->text();
    txtAufzahl_->setReadOnly(gesperrt);
    txtAufzahl_->setAccessibleDescription(gesperrt ? sperrText() : QString());
}

void FrmHaupt::closeEvent(QCloseEvent* event) {
    counterTimer_->stop();
    bridge_.stopAndWait();
    setCalculationControlsEnabled(true);
    emit wirdGeschlossen();
    // Open help windows stay; the program ends when the last of them is closed.
    event->accept();
}

// --- Input fields --------------------------------------------------------------------------

void FrmHaupt::inputChanged(QLineEdit* field) {
    if (field == txtExponent_ && field->text() == unendlichText_) return;
    // The engine state belongs to the running calculation until it has ended.
    if (bridge_.busy()) {
        counterTimer_->stop();
        bridge_.stopAndWait();
        setCalculationControlsEnabled(true);
    }
    showValidity(false);
    markiereVeraltet();
    zuruecksetzen();
    lblStp_->setText(qs(ZahlText(anzahlStellen_)));
    setBackColour(txtAufzahl_, kAufzahlHell);
    if (field == txtExponent_) return;
    if (txtExponent_->text() == unendlichText_) txtExponent_->setText(QString());
    setExponentNormalColours();
}

void FrmHaupt::showValidity(bool valid) {
    picJarech_->setVisible(valid);
    picNorech_->setVisible(!valid);
    setBackColour(lblErgebnis_, valid ? kErgebnisGueltig : kErgebnisUngueltig);
    setBackColour(lblNameRA_, valid ? kNameGueltig : kNameUngueltig);
}

void FrmHaupt::setExponentNormalColours() {
    setBackColour(txtExponent_, kExponentHinten);
    setForeColour(txtExponent_, Qt::black);
}

void FrmHaupt::setExponentLimitColours() {
    setBackColour(txtExponent_, kGrenzwertHinten);
    setForeColour(txtExponent_, Qt::white);
}

void FrmHaupt::zuruecksetzen() {
    modul_.Zuruecksetzen();
    grenzwert_ = false;
    graph_ = GraphEinstellungen{.skala = graph_.skala};
    auflListe_.clear();
    anzahlStellen_ = 0;
}

void FrmHaupt::SetDefault() {
    zeigeName({TextId::NameStart});
    lblSpeicher_->clear();
    txtRechenart_->clear();
    txtAufzahl_->setText(QStringLiteral("0"));
    txtBasis_->setText(QString());
    txtExponent_->setText(QString());
    setExponentNormalColours();
    zeigeErgebnis({}, TextId::Keine);
    lblStp_->setText(QString());
    StatusLoeschen();
    showValidity(false);
    setzeAufzahlSperre(false);
    setBackColour(txtAufzahl_, kAufzahlHell);
    zeigeFrisch(true);
}

// --- Counters ------------------------------------------------------------------------------

void FrmHaupt::StatusLoeschen() {
    for (CounterDisplay& counter : std::span(counters_).first<kRecursionCounters>()) {
        counter.label->clear();
    }
}

void FrmHaupt::RechenStatus() {
    const Zaehlerstand stand = modul_.zaehlerLesen();
    for (CounterDisplay& counter : std::span(counters_).first<kStatusCounters>()) {
        counter.label->setText(qs(ZahlText(static_cast<double>(stand[counter.index]))));
    }
}

// A label shows its counter once the engine has changed it, as the engine's own refresh
// calls would; counters the calculation never touched keep what they showed.
void FrmHaupt::pollCounters(bool final) {
    const Zaehlerstand stand = modul_.zaehlerLesen();
    for (CounterDisplay& counter : counters_) {
        const std::int64_t value = stand[counter.index];
        if (value != counter.atStart) counter.touched = true;
        if (counter.touched) counter.label->setText(qs(ZahlText(static_cast<double>(value))));
    }
    if (!final) {
        std::optional<std::string> step;
        {
            std::lock_guard lock(stepMutex_);
            step.swap(neuerStep_);
        }
        if (step && bridge_.busy()) lblStp_->setText(qs(*step));
        return;
    }
    for (CounterDisplay& counter : counters_) {
        counter.atStart = stand[counter.index];
        counter.touched = false;
    }
}

// --- Calculate, halt, clear ----------------------------------------------------------------

void FrmHaupt::calculate() {
    if (bridge_.busy()) return;
    if (!grenzwert_) setExponentNormalColours();

    const RechenEingabe eingabe{txtRechenart_->text().toStdString(),
                                txtAufzahl_->text().toStdString(), txtBasis_->text().toStdString(),
                                exponentEingabe().toStdString()};
    const Zaehlerstand stand = modul_.zaehlerLesen();
    for (CounterDisplay& counter : counters_) {
        counter.atStart = stand[counter.index];
        counter.touched = false;
    }

    // The step label shows the new step while the evaluation runs: the calculation thread
    // leaves it for the next counter poll.
    {
        std::lock_guard lock(stepMutex_);
        neuerStep_.reset();
    }
    const auto stepGebildet = [this](const std::string& text) {
        std::lock_guard lock(stepMutex_);
        neuerStep_ = text;
    };

    // Locking the controls hands their focus on; it comes back when the run has ended, unless
    // the user has moved it meanwhile.
    markiereVeraltet();
    const QPointer<QWidget> fokus = focusWidget();
    setCalculationControlsEnabled(false);
    // Not on whatever button the locked controls would hand it to: Space there could put a
    // constant into the memory instead of halting.
    if (focusWidget() != fokus) child<QPushButton>(centralWidget(), "cmdHalt")->setFocus();
    const QPointer<QWidget> fokusGesperrt = focusWidget();
    const auto entsperren = [this, fokus, fokusGesperrt] {
        counterTimer_->stop();
        setCalculationControlsEnabled(true);
        if (fokus != nullptr && focusWidget() == fokusGesperrt) fokus->setFocus();
    };

    auto antwort = std::make_shared<Antwort>();
    counterTimer_->start();
    const bool started = bridge_.start(
        [this, eingabe, antwort, stepGebildet, modus = RechenModus{grenzwert_}] {
            *antwort = modul_.rechne(eingabe, modus, stepGebildet);
        },
        [this, antwort, entsperren] {
            entsperren();
            pollCounters(true);
            applyResult(*antwort);
            emit calculationFinished();
        });
    if (!started) entsperren();
}

void FrmHaupt::applyResult(const Antwort& antwort) {
    auflListe_ = antwort.aufloesungsliste;
    anzahlStellen_ = antwort.anzahlStellen;
    if (antwort.step) lblStp_->setText(qs(ZahlText(*antwort.step)));
    if (antwort.aufzahlGesperrt) {
        const bool gesperrt = *antwort.aufzahlGesperrt;
        setBackColour(txtAufzahl_, gesperrt ? kAufzahlGesperrt : kAufzahlHell);
        setzeAufzahlSperre(gesperrt);
    }
    switch (antwort.ausgang) {
        case RechenAusgang::Wert: {
            zeigeFrisch(true);
            zeigeName(antwort.nameId);
            RechenStatus();
            // A failure shows its words, never a bare number the engine left behind.
            zeigeErgebnis(*antwort.ergebnisText, angezeigteMeldung(antwort), antwort.groesse);
            // Kept in the engine's German, as the command-line driver writes it; printed as
            // the tape shows it, in the window's language.
            ProtokollZeile zeile{qs(antwort.formel + " = " + *antwort.ergebnisText),
                                 txtRechenart_->text(),
                                 txtAufzahl_->text(),
                                 txtBasis_->text(),
                                 exponentEingabe(),
                                 qs(*antwort.ergebnisText),
                                 qs(antwort.meldung),
                                 qs(antwort.name),
                                 antwort.gueltig,
                                 bridge_.problemDesLaufs(),
                                 groesse_->groesse()};
            drucker_.RechnungsDruck(this, angezeigteZeile(zeile));
            protokoll_->anhaengen(std::move(zeile));
            showValidity(antwort.gueltig);
            break;
        }
        case RechenAusgang::Graph:
            protokoll_->anhaengen(graphZeile(qs(antwort.formel), eingabeTexte()));
            zeigeGraph(this, bridge_, graph_, antwort);
            // The result label keeps its mark: the graph's values stand in its window.
            zeigeFrisch(false);
            zeigeName(antwort.nameId);
            break;
        case RechenAusgang::RechenzahlAbgelehnt:
        case RechenAusgang::AufZahlAbgelehnt:
        case RechenAusgang::ZahlAbgelehnt:
            protokoll_->anhaengen(abgelehnteZeile(eingabeTexte(), bridge_.problemDesLaufs()));
            break;
        // An empty field is no calculation yet; its box is all it needs.
        case RechenAusgang::EingabeFehlt:
            break;
    }
}

void FrmHaupt::setCalculationControlsEnabled(bool enabled) {
    for (const char* name : kLockedWhileRunning) {
        centralWidget()->findChild<QWidget*>(QLatin1String(name))->setEnabled(enabled);
    }
}

void FrmHaupt::halt() {
    // A halt applies to a running calculation only; pressed while nothing runs it must not
    // turn the next, complete calculation into a halted one.
    if (bridge_.busy()) bridge_.requestHalt();
    picJarech_->hide();
    picNorech_->show();
    setBackColour(lblErgebnis_, kErgebnisUngueltig);
}

void FrmHaupt::clear() {
    const bool wasRunning = bridge_.busy();
    counterTimer_->stop();
    bridge_.stopAndWait();
    setCalculationControlsEnabled(true);
    zuruecksetzen();
    SetDefault();
    // The stopped calculation reports that it was stopped, as the halt button's does.
    if (wasRunning) {
        zeigeErgebnis(FormatErgebnis(0, std::string(deutsch(TextId::Angehalten))),
                      TextId::Angehalten);
    }
}

void FrmHaupt::ende() {
    if (frageEnde(this)) close();
}

}  // namespace staffel::app
