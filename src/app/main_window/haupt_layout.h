#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QObject>
#include <QRect>
#include <QString>
#include <span>

#include "app/shared/window_design.h"

class QWidget;

namespace staffel::app {

inline constexpr int kClientWidthTwips = 10980;
inline constexpr int kClientHeightTwips = 6990;

enum class ControlKind { Button, TextField, Label, Picture, Line };

// One row of the main window's layout table. For a line, left/top/width/height are the two
// end points x1, y1, x2, y2 and lineWidth is its width in pixels.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* caption;  // UTF-8 German source text, as designed ("" when none)
    const char* tooltip;  // UTF-8 German source text ("" when none)
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

QFont fontFor(const ControlRow& row);
// The caption as it must appear in the current language: Symbol-font letters become the Greek
// letters they stand for.
QString displayCaption(const ControlRow& row);
// A button caption broken into lines at blanks where it does not fit in one line.
QString wrapCaption(const QString& caption, const QFont& font, int availableWidth);

// The pixel rectangle of a control (not meaningful for lines).
QRect pixelRect(const ControlRow& row);

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

// Creates every control of the table as a child of parent (lines as DrawnLine objects) and
// captions it.
void buildControls(QWidget* parent);
// Captions and tooltips in the current language, each caption in a font that fits its
// control; the texts the program writes into fields and labels are left alone.
void beschrifteControls(QWidget* parent);

}  // namespace staffel::app
