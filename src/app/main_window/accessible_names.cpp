#include "app/main_window/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <utility>

#include "app/main_window/haupt_layout.h"

namespace staffel::app {

namespace {

constexpr const char* kFlaeche = "frmHauptClient";
constexpr const char* kZeichenflaeche = "zeichenflaeche";

// Fields and value labels, each with the title label that says what it holds.
constexpr Beschriftet kBeschriftungen[] = {
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

// Marks a title label whose words are in the name of the control it captions, and a
// container whose tree leaves such labels out.
constexpr const char* kTitel = "staffelTitel";
constexpr const char* kOhneTitel = "staffelOhneTitel";

// A label of the main window: a picture while it holds a pixmap, otherwise text that is
// announced as shown (a result or a counter) after its accessible name, which alone stands
// while it shows nothing. Two labels showing the same number so stay apart.
class LabelZugang : public QAccessibleWidget {
  public:
    explicit LabelZugang(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        const QString gezeigt = label()->text().simplified();
        if (t != QAccessible::Name || gezeigt.isEmpty()) return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? gezeigt : name + QLatin1String(": ") + gezeigt;
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A container of title labels: a screen reader hears their words with the controls they
// caption, so its tree leaves them out, and, as Qt's own does, windows and menus.
class OhneTitelZugang : public QAccessibleWidget {
  public:
    explicit OhneTitelZugang(QWidget* behaelter)
        : QAccessibleWidget(behaelter, qobject_cast<QGroupBox*>(behaelter) != nullptr
                                           ? QAccessible::Grouping
                                           : QAccessible::Client) {}

    QString text(QAccessible::Text t) const override {
        auto* rahmen = qobject_cast<QGroupBox*>(widget());
        if (t == QAccessible::Name && rahmen != nullptr && widget()->accessibleName().isEmpty()) {
            return rahmen->title();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(kinder().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> k = kinder();
        return index >= 0 && index < k.size() ? QAccessible::queryAccessibleInterface(k[index])
                                              : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return kind == nullptr ? -1 : static_cast<int>(kinder().indexOf(kind->object()));
    }

  private:
    QList<QWidget*> kinder() const {
        QList<QWidget*> k;
        for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() && !qobject_cast<QMenu*>(w) && !w->property(kTitel).toBool()) {
                k << w;
            }
        }
        return k;
    }
};

QAccessibleInterface* ohneTitelZugang(const QString&, QObject* objekt) {
    if (!objekt->isWidgetType() || !objekt->property(kOhneTitel).toBool()) return nullptr;
    return new OhneTitelZugang(static_cast<QWidget*>(objekt));
}

// Joins a caption broken over lines, a hyphenated word included, into one line.
QString einzeilig(const QString& caption) {
    static const QRegularExpression trennung(QStringLiteral("(\\p{L})-\n(\\p{Ll})"));
    return QString(caption).replace(trennung, QStringLiteral("\\1\\2")).replace('\n', ' ');
}

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

void titelAusblenden(QWidget* behaelter) {
    static const bool installiert = [] {
        QAccessible::installFactory(&ohneTitelZugang);
        return true;
    }();
    (void)installiert;
    behaelter->setProperty(kOhneTitel, true);
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
        auto* label = fenster->findChild<QLabel*>(QLatin1String(titel));
        label->setProperty(kTitel, true);
        fenster->findChild<QWidget*>(QLatin1String(control))
            ->setAccessibleName(label->text().simplified());
    }
}

void setAccessibleNames(QWidget* surface) {
    for (const ControlRow& row : hauptLayout()) {
        if (row.kind == ControlKind::Line) continue;
        QWidget* widget = surface->findChild<QWidget*>(QLatin1String(row.name));
        const bool symbol = QLatin1String(row.font) == QLatin1String("Symbol");
        if (auto* knopf = qobject_cast<QPushButton*>(widget); knopf != nullptr && !symbol) {
            knopf->setAccessibleName(einzeilig(knopf->text()));
        } else {
            widget->setAccessibleName(widget->toolTip());
        }
    }
    nenneNachBeschriftung(surface, kBeschriftungen);
    // The step is named by what its title's tooltip says, not by the title's formula.
    auto* stufe = surface->findChild<QLabel*>(QStringLiteral("lblSt"));
    stufe->setProperty(kTitel, true);
    surface->findChild<QWidget*>(QStringLiteral("lblStp"))->setAccessibleName(stufe->toolTip());
}

}  // namespace staffel::app
