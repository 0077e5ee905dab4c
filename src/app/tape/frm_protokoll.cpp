#include "app/tape/frm_protokoll.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "app/language/fenster_texte.h"
#include "app/shared/datei_speichern.h"
#include "app/shared/fenster_tasten.h"
#include "app/shared/message_seam.h"
#include "app/shared/window_design.h"
#include "app/tape/protokoll_datei.h"
#include "app/tape/protokoll_model.h"
#include "engine/run/rechnen.h"

namespace staffel::app {

namespace {

constexpr FensterText kTexte[] = {
    {"frmProtokoll", QT_TRANSLATE_NOOP("frmProtokoll", "Protokoll")},
    {"cmdLaden", QT_TRANSLATE_NOOP("frmProtokoll", "Laden")},
    {"cmdKopieren", QT_TRANSLATE_NOOP("frmProtokoll", "Kopieren")},
    {"cmdSpeichern", QT_TRANSLATE_NOOP("frmProtokoll", "Speichern unter …")},
    {"cmdDrucken", QT_TRANSLATE_NOOP("frmProtokoll", "Drucken …")},
    {"cmdLeeren", QT_TRANSLATE_NOOP("frmProtokoll", "Leeren")},
};

}  // namespace

FrmProtokoll::FrmProtokoll(ProtokollModell& modell, QWidget* haupt)
    : QWidget(haupt, Qt::Window), modell_(modell), haupt_(haupt) {
    setObjectName(QStringLiteral("frmProtokoll"));
    setBackColour(this, QColor(0xc0, 0xc0, 0xc0));
    resize(twipsToPixels(9600), twipsToPixels(5400));

    lstProtokoll_ = new QListView(this);
    lstProtokoll_->setObjectName(QStringLiteral("lstProtokoll"));
    lstProtokoll_->setModel(&modell_);
    lstProtokoll_->setUniformItemSizes(true);
    lstProtokoll_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstProtokoll_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstProtokoll_->setFont(designFont(10, false));
    // Activation is a double-click or Enter (or what the platform's style makes it).
    connect(lstProtokoll_, &QListView::activated, this, &FrmProtokoll::laden);
    connect(&modell_, &QAbstractItemModel::rowsInserted, this, &FrmProtokoll::zumEnde);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(&modell_, signal, this, &FrmProtokoll::knoepfeSchalten);
    }
    connect(&modell_, &QAbstractItemModel::modelReset, this, &FrmProtokoll::knoepfeSchalten);
    connect(lstProtokoll_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmProtokoll::knoepfeSchalten);

    // A note on the tape's file (set aside, not kept) stays visible until the next run.
    lblHinweis_ = new QLabel(this);
    lblHinweis_->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis_->setWordWrap(true);
    lblHinweis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(&modell_, &ProtokollModell::hinweisGeaendert, this, &FrmProtokoll::retranslate);
    auto* kopie = new QAction(this);
    kopie->setShortcuts(QKeySequence::Copy);
    addAction(kopie);
    connect(kopie, &QAction::triggered, this, &FrmProtokoll::kopieren);

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [this, knoepfe](const char* name, auto handler) {
        auto* button = new QPushButton(this);
        knoepfe_.push_back(button);
        button->setObjectName(QLatin1String(name));
        button->setFont(designFont(8.25, true));
        button->setAutoDefault(false);
        knoepfe->addWidget(button);
        connect(button, &QPushButton::clicked, this, handler);
    };
    knopf("cmdLaden", &FrmProtokoll::laden);
    knopf("cmdKopieren", &FrmProtokoll::kopieren);
    knopf("cmdSpeichern", &FrmProtokoll::speichernUnter);
    knopf("cmdDrucken", &FrmProtokoll::drucken);
    knopf("cmdLeeren", &FrmProtokoll::leeren);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblHinweis_);
    spalte->addWidget(lstProtokoll_);
    spalte->addLayout(knoepfe);
    haupt_->installEventFilter(this);
    fensterTasten(this);
    retranslate();
    knoepfeSchalten();
}

void FrmProtokoll::retranslate() {
    beschrifte(this, "frmProtokoll", kTexte);
    lstProtokoll_->setAccessibleName(windowTitle());
    lblHinweis_->setText(modell_.hinweis());
    lblHinweis_->setVisible(!lblHinweis_->text().isEmpty());
    // The rows show the engine's messages in the current language.
    lstProtokoll_->viewport()->update();
}

void FrmProtokoll::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

// Unlike the help windows it would keep the program running for a main window that is gone.
bool FrmProtokoll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == haupt_ && event->type() == QEvent::Close) close();
    return QWidget::eventFilter(watched, event);
}

void FrmProtokoll::kopieren() {
    QModelIndexList auswahl = lstProtokoll_->selectionModel()->selectedRows();
    std::sort(auswahl.begin(), auswahl.end());
    QStringList zeilen;
    for (const QModelIndex& index : auswahl) {
        zeilen << angezeigteZeile(modell_.zeilen()[static_cast<std::size_t>(index.row())]);
    }
    if (!zeilen.isEmpty()) QGuiApplication::clipboard()->setText(zeilen.join(QLatin1Char('\n')));
}

void FrmProtokoll::laden() {
    const QModelIndex aktuell = lstProtokoll_->currentIndex();
    if (!aktuell.isValid()) return;
    QLineEdit* felder[] = {haupt_->findChild<QLineEdit*>(QStringLiteral("txtRechenart")),
                           haupt_->findChild<QLineEdit*>(QStringLiteral("txtAufzahl")),
                           haupt_->findChild<QLineEdit*>(QStringLiteral("txtBasis")),
                           haupt_->findChild<QLineEdit*>(QStringLiteral("txtExponent"))};
    if (!felder[0]->isEnabled()) return;
    const ProtokollZeile& zeile = modell_.zeilen()[static_cast<std::size_t>(aktuell.row())];
    // The limit's exponent text is the program's, not an input: the limit button sets it again
    // and calculates, which leaves the limit mode on for Enter to repeat it.
    const bool grenzwert = zeile.exponent == QString::fromUtf8(texte::Unendlich);
    const QString texte[] = {zeile.rechenart, zeile.aufzahl, zeile.basis,
                             grenzwert ? QString() : zeile.exponent};
    for (std::size_t i = 0; i < std::size(felder); ++i) felder[i]->setText(texte[i]);
    haupt_->activateWindow();
    if (grenzwert) haupt_->findChild<QPushButton*>(QStringLiteral("cmdEulersch"))->click();
}

// Asks first: the tape is kept across runs, so what is cleared is gone for good, and with it
// what other calculators on this profile calculated until now.
void FrmProtokoll::leeren() {
    QMessageBox frage(
        QMessageBox::Question, windowTitle(),
        QCoreApplication::translate("frmProtokoll",
                                    "Alle Zeilen des Protokolls (%1) löschen? Auch die bis jetzt "
                                    "in anderen Fenstern des Rechners gerechneten Zeilen werden "
                                    "gelöscht.")
            .arg(modell_.rowCount()),
        QMessageBox::Yes | QMessageBox::No, this);
    frage.setDefaultButton(QMessageBox::No);
    nenneSymbol(frage);
    if (frage.exec() == QMessageBox::Yes) modell_.leeren();
}

// "Laden" and "Kopieren" act on the selected rows, the others on the whole tape.
void FrmProtokoll::knoepfeSchalten() {
    const bool gewaehlt = lstProtokoll_->selectionModel()->hasSelection();
    for (QPushButton* knopf : knoepfe_) {
        const bool zeilenBefehl = knopf->objectName() == QLatin1String("cmdLaden") ||
                                  knopf->objectName() == QLatin1String("cmdKopieren");
        knopf->setEnabled(zeilenBefehl ? gewaehlt : modell_.rowCount() > 0);
    }
}

void FrmProtokoll::speichernUnter() {
    const QString pfad = frageSpeicherort(
        this, QCoreApplication::translate("frmProtokoll", "Protokoll speichern unter"),
        QStringLiteral("staffelrechner-protokoll.csv"),
        {QCoreApplication::translate("frmProtokoll", "CSV-Datei (*.csv)"),
         QCoreApplication::translate("frmProtokoll", "Textdatei (*.txt)")});
    if (!pfad.isEmpty()) speichern(pfad);
}

bool FrmProtokoll::speichern(const QString& pfad) {
    return speichereDatei(this, pfad,
                          hatEndung(pfad, QLatin1String("txt"))
                              ? druckzeilen(modell_.zeilen()).toUtf8()
                              : protokollCsv(modell_.zeilen()));
}

void FrmProtokoll::drucken() {
    QPrinter drucker;
    drucker.setDocName(QCoreApplication::translate("frmProtokoll", "Staffelrechner – Protokoll"));
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument dokument;
    dokument.setDefaultFont(QFont(QStringLiteral("arial")));
    // Printed for the reader, in the window's language; the saved text file stays German.
    QString text;
    for (const ProtokollZeile& zeile : modell_.zeilen()) text += angezeigteZeile(zeile) + '\n';
    dokument.setPlainText(text);
    dokument.print(&drucker);
    if (drucker.printerState() == QPrinter::Error) {
        zeigeNachricht(this, problem(QCoreApplication::translate(
                                 "Meldung", "Das Protokoll kann nicht gedruckt werden.")));
    }
}

void FrmProtokoll::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    zumEnde();
}

// Queued, so that the view has its size and rows appended in one go scroll once.
void FrmProtokoll::zumEnde() {
    QMetaObject::invokeMethod(lstProtokoll_, &QListView::scrollToBottom, Qt::QueuedConnection);
}

void zeigeProtokoll(QWidget* haupt, ProtokollModell& modell) {
    auto* fenster = haupt->findChild<FrmProtokoll*>(QString(), Qt::FindDirectChildrenOnly);
    if (fenster == nullptr) fenster = new FrmProtokoll(modell, haupt);
    bringeNachVorne(fenster);
}

}  // namespace staffel::app
