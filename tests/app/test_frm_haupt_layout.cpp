#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/haupt_layout.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;
using staffel::apptest::HauptTester;

class FrmHauptLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::HauptSitzung> s_;
    frmHaupt* window_ = nullptr;

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::HauptSitzung>();
        window_ = s_->window.get();
    }
    void cleanup() { s_.reset(); }

    void everyControlStandsWhereTheTablePutsIt() {
        for (const ControlRow& row : hauptLayout()) {
            const QString name = QLatin1String(row.name);
            if (row.kind == ControlKind::Line) {
                auto* line = window_->findChild<DrawnLine*>(name);
                QVERIFY2(line != nullptr, row.name);
                QCOMPARE(line->twips(), QLine(row.left, row.top, row.width, row.height));
                QCOMPARE(line->width(), row.lineWidth);
                continue;
            }
            auto* widget = window_->centralWidget()->findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, row.name);
            QCOMPARE(widget->parentWidget(), window_->centralWidget());
            const QRect expected(row.left / 15, row.top / 15, row.width / 15, row.height / 15);
            QVERIFY2(widget->geometry() == expected, row.name);
            QCOMPARE(widget->toolTip(), QString::fromUtf8(row.tooltip));
            // The free face, never larger than designed, at most half a point smaller where a
            // caption must fit.
            const QFont font = widget->font();
            QVERIFY2(row.kind == ControlKind::Picture ||
                         (font.family() == QStringLiteral("Liberation Sans") &&
                          font.bold() == row.bold && font.pointSizeF() <= row.pointSize &&
                          font.pointSizeF() >= row.pointSize - 0.5),
                     row.name);
            if (*row.back != '\0' && row.kind != ControlKind::TextField &&
                QByteArrayView(row.name) != "lblErgebnis" &&
                QByteArrayView(row.name) != "lblNameRA") {
                // Fields and the two result labels are recoloured at load; checked elsewhere.
                QVERIFY2(backColour(widget) == QColor(QLatin1String(row.back)), row.name);
            }
            if (*row.fore != '\0') {
                QVERIFY2(foreColour(widget) == QColor(QLatin1String(row.fore)), row.name);
            }
            if (auto* label = qobject_cast<QLabel*>(widget);
                label && row.kind == ControlKind::Label) {
                QCOMPARE(label->frameShape() == QFrame::Box, row.framed);
                QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), row.centred);
            }
        }
        QCOMPARE(window_->centralWidget()->size(), QSize(732, 466));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Taschenrechner für die Staffellehre"));
        QCOMPARE(backColour(window_->centralWidget()), QColor(0x00, 0x80, 0x00));
    }

    void fixedCaptionsAppearAsDesigned() {
        HauptTester t(*window_);
        const char* const faelle[][2] = {
            {"cmdPi", "π"}, {"cmdAufl", "Auflösungs-\nliste"}, {"lblSt", "  | A | ="}};
        for (const auto& fall : faelle) {
            QVERIFY2(t.text(fall[0]) == QString::fromUtf8(fall[1]), fall[0]);
        }
    }

    void noCaptionIsCut() {
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind != ControlKind::Button && row.kind != ControlKind::Label) continue;
            QWidget* widget = window_->findChild<QWidget*>(QLatin1String(row.name));
            const QString caption = row.kind == ControlKind::Button
                                        ? qobject_cast<QPushButton*>(widget)->text()
                                        : displayCaption(row);
            const QFontMetrics metrics(widget->font());
            int widest = 0;
            for (const QString& line : caption.split(QLatin1Char('\n'))) {
                widest = std::max(widest, metrics.horizontalAdvance(line));
            }
            const int room = widget->width() - (row.framed ? 2 : 0);
            // The design lets the long function label run past the window's edge.
            const int visible = std::min(room, window_->centralWidget()->width() - widget->x());
            QVERIFY2(widest <= visible, row.name);
        }
    }

    void theFacesAreCrispIconsCentredInTheirBoxes() {
        HauptTester t(*window_);
        for (const char* name : {"picJarech", "picNorech"}) {
            const QPixmap pixmap = t.label(name)->pixmap();
            QVERIFY2(!pixmap.isNull(), name);
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
            QVERIFY(t.label(name)->alignment() & Qt::AlignCenter);
        }
        const QImage smile = t.label("picJarech")->pixmap().toImage();
        const QImage straight = t.label("picNorech")->pixmap().toImage();
        QVERIFY(smile != straight);
        // The face is yellow at its middle-left cheek.
        QCOMPARE(smile.pixelColor(smile.width() / 4, smile.height() / 2), QColor(0xff, 0xff, 0x00));
    }

    void tabOrderStartsWithTheInputsThenResolutionListAndCalculate() {
        HauptTester t(*window_);
        const char* order[] = {"txtRechenart", "txtAufzahl", "txtBasis",
                               "txtExponent",  "cmdAufl",    "cmdRechne"};
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
            QVERIFY2(t.widget(order[i])->nextInFocusChain() == t.widget(order[i + 1]), order[i]);
        }
    }

    void menuBarHoldsBothMenusInOrder() {
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->objectName(), QStringLiteral("mnuAndere"));
        QCOMPARE(top[0]->text(), QStringLiteral("&Weiteres"));
        QCOMPARE(top[1]->objectName(), QStringLiteral("mnuInfos"));
        QCOMPARE(top[1]->text(), QStringLiteral("&Infos"));

        const auto entries = [](QAction* menu) {
            QStringList result;
            for (QAction* a : menu->menu()->actions()) result << a->objectName() + "=" + a->text();
            return result;
        };
        QCOMPARE(entries(top[0]), QStringList({"mnuQuell=&Quellrechenart",
                                               "mnuRedruck=&Rechnung drucken", "mnuEnde=&Ende"}));
        QCOMPARE(entries(top[1]),
                 QStringList({"mnuGebrauch=&Funktionsweise", "mnuGrundlagen=&Grundlagen",
                              "mnuNormal=&Normalalgebraische Rechenarten", "mnuGlossar=&Glossar",
                              "mnuAutor=&Autor"}));
    }
};

QTEST_MAIN(FrmHauptLayoutTest)
#include "test_frm_haupt_layout.moc"
