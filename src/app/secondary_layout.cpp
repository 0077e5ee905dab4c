#include "app/secondary_layout.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace staffel::app::layout {

// The windows were laid out for the narrow sans-serif faces of the classic desktop; Arial and
// its metric twin keep the captions inside their labels.
QFont sansSerif(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont arial(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const LabelDef& def) {
    auto* label = new QLabel(def.text, parent);
    label->setObjectName(QString::fromLatin1(def.name));
    label->setGeometry(def.twips);
    label->setFont(def.font);
    label->setTextFormat(Qt::PlainText);
    setBackground(label, def.background);
    if (def.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(def.centred ? Qt::AlignHCenter | Qt::AlignTop
                                    : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace staffel::app::layout
