#pragma once
#include <QString>
#include <QVector>

class QWidget;

// A text a widget shows only in part: what it is, the width it needs and the
// width it has, in pixels.
struct Misfit {
    QString widget;
    QString text;
    int needed = 0;
    int available = 0;
};

// The labels, buttons, tabs and header sections below `root` (and root
// itself) whose text is wider than the widget shows it. A widget with a
// tooltip is taken as eliding on purpose (the tooltip shows the whole text);
// a word-wrapped label is checked for the height its text needs.
QVector<Misfit> findMisfits(QWidget* root);
