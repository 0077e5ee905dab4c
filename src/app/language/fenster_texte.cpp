#include "app/language/fenster_texte.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace staffel::app {

void beschrifte(QWidget* fenster, const char* kontext, std::span<const FensterText> texte) {
    for (const FensterText& t : texte) {
        const QString text = QCoreApplication::translate(kontext, t.quelle);
        const QLatin1String name(t.name);
        if (fenster->objectName() == name) {
            fenster->setWindowTitle(text);
            continue;
        }
        QObject* ziel = fenster->findChild<QObject*>(name);
        Q_ASSERT(ziel != nullptr);
        if (auto* menu = qobject_cast<QMenu*>(ziel)) {
            menu->setTitle(text);
        } else if (auto* rahmen = qobject_cast<QGroupBox*>(ziel)) {
            rahmen->setTitle(text);
        } else if (auto* label = qobject_cast<QLabel*>(ziel)) {
            label->setText(text);
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(ziel)) {
            knopf->setText(text);
        } else if (auto* aktion = qobject_cast<QAction*>(ziel)) {
            aktion->setText(text);
        }
    }
}

}  // namespace staffel::app
