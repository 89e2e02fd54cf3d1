#pragma once

#include <QMargins>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class GuideStepAbstract;
class QPainter;
class QWidget;
class XLabel;
class XPushButton;

// Where a step puts its bubble, in design pixels (scaled when built).
struct GuideBubbleShape {
    enum Column { Top, Bottom, AboveMiddle };

    int step = 1;
    int stepCount = 1;
    QSize frame;
    int labelWidth = 240;
    QMargins frameMargins{20, 16, 20, 13};
    // The row that holds the bubble: its margins, and whether the bubble
    // comes before its stretch (left) or after it (right).
    QMargins placement;
    bool frameFirst = true;
    // Where that row sits in the step: at the top, at the bottom, or centred
    // with 50 pixels of space below it.
    Column column = Top;
};

enum class GuideArrow { Left, Right, Down };

// The private part every tour step shares: the white bubble with its title,
// text, counter, optional "Back" link and "Next"/"Done" button, and the
// darkened shade with the outlined hole, painted once per size.
class GuideBubble
{
public:
    GuideBubble(GuideStepAbstract* step, const GuideBubbleShape& shape);

    // The counter is fixed; the back link (steps after the first) gets
    // backLink with the accent colour filled in.
    void setTexts(const QString& title, const QString& body, const QString& backLinkText, const QString& button);
    void paint(QWidget* step, const QRect& hole, const QColor& outline, GuideArrow arrow, int leftArrowY = 25);

    // The accent colour as "#rrggbb", for the titles and the back link.
    static QString accentName();

    QWidget* frame = nullptr;
    XLabel* title = nullptr;
    XLabel* body = nullptr;
    XLabel* counter = nullptr;
    XLabel* backLink = nullptr;  // none on a tour's first step
    XPushButton* button = nullptr;

private:
    void paintShade(const QSize& size, const QRect& hole, const QColor& outline);

    QPixmap shade_;
    QRect shadeHole_;
};
