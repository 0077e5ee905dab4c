#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "app/main_window/calculation_printer.h"
#include "app/main_window/groesse_anzeige.h"
#include "app/shared/engine_bridge.h"
#include "engine/graph/graph_einstellungen.h"
#include "engine/model/umformung.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace staffel::app {

class ProtokollModell;

// The calculator's main window: the drawn notation m[R, A][b, e] = result with its four input
// fields, the result and validity display, the live recursion counters, the operation,
// transform, memory and command buttons, and the menu bar.
class FrmHaupt : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrmHaupt(QWidget* parent = nullptr);
    ~FrmHaupt() override;

    // The counters as the engine left them, for a look from outside.
    Zaehlerstand zaehler() const { return modul_.zaehlerLesen(); }
    bool grenzwertModus() const { return grenzwert_; }
    bool calculationRunning() const { return bridge_.busy(); }

    // The default display after a reset: empty inputs, "0" as Auflösungszahl, invalid faces.
    void SetDefault();
    // Empties the eight recursion counter labels.
    void StatusLoeschen();
    // Shows the counters Ber, III, NA, IV, G0 and G1.
    void RechenStatus();

    // The calculate command ("Rechne !", Enter in a field, the limit button).
    void calculate();

  signals:
    // Emitted on the UI thread once a calculation has ended and its results are shown.
    void calculationFinished();
    // Emitted when the window closes, once no calculation runs any more and while the window
    // still stands, so that what is kept across runs can be saved and the user asked.
    void wirdGeschlossen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct CounterDisplay {
        QLabel* label;
        std::size_t index;  // in the engine's Zaehlerstand
        std::int64_t atStart = 0;
        bool touched = false;
    };

    void buildMenus();
    void buildCopying();
    void buildHaltKey();
    void retranslate();
    void sprachwahlZeigen();
    // The name and result labels show the engine's texts in the current language; the result
    // label's German text stands unless it shows a Meldung.
    void zeigeName(RechenartName name);
    void zeigeErgebnis(const std::string& ergebnis, TextId meldung,
                       const std::optional<std::string>& groesse = std::nullopt);
    QString exponentEingabe() const;
    // The four fields as typed, the limit's exponent in German.
    QStringList eingabeTexte() const;
    void copyResult();
    void connectControls();
    void setupCounters();

    void inputChanged(QLineEdit* field);
    void sperrHinweis();
    QString sperrText() const;
    void setzeAufzahlSperre(bool gesperrt);
    // Marks what the last calculation showed as belonging to it, not to the inputs now shown.
    void markiereVeraltet();
    void zeigeFrisch(bool mitErgebnis);
    void showValidity(bool valid);
    void setExponentNormalColours();
    void setExponentLimitColours();

    void applyResult(const Antwort& antwort);
    // What the reset of an input change sets back on the window's side.
    void zuruecksetzen();
    void setCalculationControlsEnabled(bool enabled);
    void pollCounters(bool final);
    void halt();
    void clear();
    void ende();

    void operationButton(const char* rechenart, const char* aufzahl);
    void transform(Umformung art);
    void storeInMemory(const QString& text);

    ModulRA modul_;
    EngineBridge bridge_;
    // The window's side of the state: the limit button's mode until an input changes, the
    // graph settings, and the last calculation's resolution list and step for frmAufloes.
    bool grenzwert_ = false;
    GraphEinstellungen graph_;
    std::string auflListe_;
    int anzahlStellen_ = 0;
    RechnungsDrucker drucker_;
    ProtokollModell* protokoll_ = nullptr;
    QTimer* counterTimer_ = nullptr;
    // In the order of the status display: Ber, III, NA, IV, G0 and G1 (the ones RechenStatus
    // shows), G00 and G11 (the last recursion counters), then the two interval counters.
    static constexpr std::size_t kStatusCounters = 6;
    static constexpr std::size_t kRecursionCounters = 8;
    std::array<CounterDisplay, 10> counters_{};
    // The step of the running calculation, handed from its thread to the counter poll.
    std::mutex stepMutex_;
    std::optional<std::string> neuerStep_;
    RechenartName nameAngezeigt_;
    bool nameVeraltet_ = false;
    // The Rechenart of the calculation that locked the Auflösungszahl field, as typed.
    QString sperrRechenart_;
    std::string ergebnisAngezeigt_;
    TextId meldungAngezeigt_ = TextId::Keine;
    QString unendlichText_;  // the limit's exponent text in the current language

    QLineEdit* txtRechenart_ = nullptr;
    QLineEdit* txtAufzahl_ = nullptr;
    QLineEdit* txtBasis_ = nullptr;
    QLineEdit* txtExponent_ = nullptr;
    QLabel* lblErgebnis_ = nullptr;
    QLabel* lblNameRA_ = nullptr;
    QLabel* lblStp_ = nullptr;
    QLabel* lblSpeicher_ = nullptr;
    QLabel* picJarech_ = nullptr;
    QLabel* picNorech_ = nullptr;
    QAction* mnuRedruck_ = nullptr;
    GroesseAnzeige* groesse_ = nullptr;
};

}  // namespace staffel::app
