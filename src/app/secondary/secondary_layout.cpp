#include "app/secondary/secondary_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace staffel::app::layout {

void setupWindow(QWidget* window, const char* name, const QString& title, const QRect& client,
                 const QColor& background) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setGeometry(client);
    window->setFixedSize(client.size());
    setBackColour(window, background);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QLabel* makeLabel(QWidget* parent, const LabelDef& def) {
    auto* label = new QLabel(def.text, parent);
    label->setObjectName(QString::fromLatin1(def.name));
    label->setGeometry(def.twips);
    label->setFont(def.font);
    label->setTextFormat(Qt::PlainText);
    setBackColour(label, def.background);
    if (def.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(def.centred ? Qt::AlignHCenter | Qt::AlignTop
                                    : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace staffel::app::layout
