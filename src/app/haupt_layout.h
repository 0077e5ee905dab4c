#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QObject>
#include <QRect>
#include <QString>
#include <span>

class QWidget;

namespace staffel::app {

// Positions and sizes are designed in twips; the window shows them at 15 twips per logical
// pixel and leaves high-DPI scaling to Qt.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10980;
inline constexpr int kClientHeightTwips = 6990;

constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

enum class ControlKind { Button, TextField, Label, Picture, Line };

// One row of the main window's layout table. For a line, left/top/width/height are the two
// end points x1, y1, x2, y2 and lineWidth is its width in pixels.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* caption;  // UTF-8, as designed ("" when none)
    const char* tooltip;  // UTF-8 ("" when none)
    int left;
    int top;
    int width;
    int height;
    const char* back;  // "#rrggbb" or "" for the style's default
    const char* fore;  // "#rrggbb" or ""
    const char* font;  // family as designed: "MS Sans Serif", "Arial" or "Symbol"
    double pointSize;
    bool bold;
    bool centred;
    bool framed;  // single-line border
    int lineWidth;
};

std::span<const ControlRow> hauptLayout();
const ControlRow* findRow(const QString& name);

// The designed font with its Windows family replaced by a free metric-compatible face.
QFont fontFor(const ControlRow& row);
// The caption as it must appear: Symbol-font letters become the Greek letters they stand for.
QString displayCaption(const ControlRow& row);
// A button caption broken into lines at blanks where it does not fit in one line.
QString wrapCaption(const QString& caption, const QFont& font, int availableWidth);

// The pixel rectangle of a control (not meaningful for lines).
QRect pixelRect(const ControlRow& row);

// Back and fore colours of labels, pictures and text fields (the palette role differs).
void setBackColour(QWidget* widget, const QColor& colour);
void setForeColour(QWidget* widget, const QColor& colour);
QColor backColour(const QWidget* widget);
QColor foreColour(const QWidget* widget);

// A straight line of the drawn notation; the central widget paints it.
class DrawnLine : public QObject {
    Q_OBJECT
  public:
    DrawnLine(const ControlRow& row, QObject* parent);
    QLine twips() const { return twips_; }
    int width() const { return width_; }

  private:
    QLine twips_;
    int width_;
};

// Creates every control of the table as a child of parent (lines as DrawnLine objects).
void buildControls(QWidget* parent);

}  // namespace staffel::app
