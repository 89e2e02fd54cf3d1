#pragma once
#include <QString>
#include <QTextDocument>

// A device's own text (model name, volume label) for a tooltip: shown as it
// is; one that looks like markup is escaped rather than rendered.
inline QString plainToolTip(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}
