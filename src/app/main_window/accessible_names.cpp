#include "app/main_window/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <utility>

#include "app/main_window/haupt_layout.h"

namespace staffel::app {

namespace {

constexpr const char* kFlaeche = "frmHauptClient";
constexpr const char* kZeichenflaeche = "zeichenflaeche";

// Fields and value labels, each with the title label that says what it holds.
constexpr Beschriftet kTitel[] = {
    {"txtRechenart", "lblRechenzahl"},
    {"txtAufzahl", "lblAuflzahl"},
    {"txtBasis", "lblBasis"},
    {"txtExponent", "lblExponent"},
    {"lblErgebnis", "lblErgtitel"},
    {"lblSpeicher", "lblMemory"},
    {"lblRecBer", "lblStatBer"},
    {"lblRecIII", "lblStatIII"},
    {"lblRecNA", "lblStatNA"},
    {"lblRecIV", "Label1"},
    {"lblRecG0", "Label2"},
    {"lblRecG1", "lblStatG1"},
    {"lblRecG00", "lblStatG00"},
    {"lblRecG11", "lblStatG11"},
    {"lblInterv", "lblInv"},
    {"lblAktIntv", "lblAkIv"},
};

// A label of the main window: a picture while it holds a pixmap, otherwise text that is
// announced as shown (a result or a counter), its accessible name standing in while empty.
class LabelZugang : public QAccessibleWidget {
  public:
    explicit LabelZugang(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !label()->text().isEmpty()) return label()->text();
        return QAccessibleWidget::text(t);
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* labelZugang(const QString& klasse, QObject* objekt) {
    if (klasse != QLatin1String("QLabel") || objekt->parent() == nullptr ||
        objekt->parent()->objectName() != QLatin1String(kFlaeche)) {
        return nullptr;
    }
    return new LabelZugang(static_cast<QLabel*>(objekt));
}

QAccessibleInterface* zeichenflaecheZugang(const QString&, QObject* objekt) {
    if (!objekt->isWidgetType() || !objekt->property(kZeichenflaeche).toBool()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Canvas);
}

}  // namespace

void installLabelAccessibility() {
    static const bool installiert = [] {
        QAccessible::installFactory(&labelZugang);
        return true;
    }();
    (void)installiert;
}

void alsZeichenflaeche(QWidget* flaeche) {
    static const bool installiert = [] {
        QAccessible::installFactory(&zeichenflaecheZugang);
        return true;
    }();
    (void)installiert;
    flaeche->setProperty(kZeichenflaeche, true);
}

void zeigeAngesagt(QLabel* label, const QString& text) {
    label->setText(text);
    // Qt itself tells only of labels without an accessible name of their own.
    QAccessibleEvent neu(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&neu);
}

QString veraltetBeschreibung() {
    return QCoreApplication::translate("frmHaupt", "Veraltet: gehört zur vorigen Rechnung");
}

void nenneNachBeschriftung(QWidget* fenster, std::span<const Beschriftet> paare) {
    for (const auto& [control, titel] : paare) {
        fenster->findChild<QWidget*>(QLatin1String(control))
            ->setAccessibleName(
                fenster->findChild<QLabel*>(QLatin1String(titel))->text().simplified());
    }
}

void setAccessibleNames(QWidget* surface) {
    for (const ControlRow& row : hauptLayout()) {
        if (row.kind == ControlKind::Line) continue;
        const bool symbol = QLatin1String(row.font) == QLatin1String("Symbol");
        if (row.kind == ControlKind::Button && !symbol) continue;
        QWidget* widget = surface->findChild<QWidget*>(QLatin1String(row.name));
        widget->setAccessibleName(widget->toolTip());
    }
    nenneNachBeschriftung(surface, kTitel);
}

}  // namespace staffel::app
