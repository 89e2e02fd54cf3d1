#include "AppStyleSheet.h"

#include <cmath>

namespace {

int px(double value, double scale)
{
    return static_cast<int>(std::floor(value * scale));
}

// The dark combo boxes differ only in their colours.
QString comboBoxStyle(const char* style, const char* text, const char* background, const char* border,
                      double scaleX, double scaleY)
{
    return QStringLiteral(
               "QComboBox[style='%1'] { color: %2; background: %3; border: 1px solid %4;"
               " border-radius: %5px; padding: 0 %6px; min-height: %7px; }"
               "QComboBox[style='%1']::drop-down { border: none; width: %8px; }"
               "QComboBox[style='%1'] QAbstractItemView { color: %2; background: %3;"
               " selection-background-color: #2563EB; selection-color: #FFFFFF; outline: none; }")
        .arg(QLatin1String(style), QLatin1String(text), QLatin1String(background), QLatin1String(border))
        .arg(px(4, scaleY))
        .arg(px(8, scaleX))
        .arg(px(28, scaleY))
        .arg(px(20, scaleX));
}

}

QString AppStyleSheet::checkBoxStyle(double scaleX, double scaleY)
{
    return QStringLiteral(
               "QCheckBox { color: #0F172A; font-size: 14px; spacing: %3px; }"
               "QCheckBox::indicator { width: %1px; height: %2px; }"
               "QCheckBox::indicator:unchecked, QCheckBox::indicator:disabled { image: url(:/images/cbx0.png); }"
               "QCheckBox::indicator:checked { image: url(:/images/cbx1.png); }"
               "QCheckBox::indicator:indeterminate { image: url(:/images/cbx2.png); }")
        .arg(px(14, scaleX))
        .arg(px(14, scaleY))
        .arg(px(6, scaleX));
}

QString AppStyleSheet::comboBoxStyle1(double scaleX, double scaleY)
{
    return comboBoxStyle("style1", "#999999", "#171718", "#2A2A2C", scaleX, scaleY);
}

QString AppStyleSheet::comboBoxStyle2(double scaleX, double scaleY)
{
    return comboBoxStyle("style2", "#DCDCDC", "#1E1E2D", "#30304A", scaleX, scaleY);
}

QString AppStyleSheet::menuStyle(double scaleX, double scaleY)
{
    return QStringLiteral(
               "QMenu { background: #FFFFFF; border: 1px solid #DCE3EA; border-radius: %1px; padding: %2px 0; }"
               "QMenu::item { color: #0F172A; padding: %3px %4px %3px %5px; }"
               "QMenu::item:selected { background: #EFF6FF; color: #2563EB; }"
               "QMenu::item:disabled { color: #B6B6B6; }"
               "QMenu::separator { height: 1px; background: #F1F5F9; margin: %2px %4px; }"
               "QMenu::icon { padding-left: %4px; }")
        .arg(px(6, scaleY))
        .arg(px(4, scaleY))
        .arg(px(6, scaleY))
        .arg(px(12, scaleX))
        .arg(px(28, scaleX));
}

QString AppStyleSheet::scrollBarStyle(double scaleX, double scaleY)
{
    return QStringLiteral(
               "QScrollBar:vertical { background: transparent; width: %1px; margin: 0; }"
               "QScrollBar::handle:vertical { background: #CBD5E1; border-radius: %2px; min-height: %3px; }"
               "QScrollBar::handle:vertical:hover { background: #94A3B8; }"
               "QScrollBar:horizontal { background: transparent; height: %4px; margin: 0; }"
               "QScrollBar::handle:horizontal { background: #CBD5E1; border-radius: %5px; min-width: %6px; }"
               "QScrollBar::handle:horizontal:hover { background: #94A3B8; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }")
        .arg(px(8, scaleX))
        .arg(px(4, scaleX))
        .arg(px(30, scaleY))
        .arg(px(8, scaleY))
        .arg(px(4, scaleY))
        .arg(px(30, scaleX));
}

QString AppStyleSheet::sliderStyle(double scaleX, double scaleY)
{
    return QStringLiteral(
               "QSlider::groove:horizontal { height: %1px; background: #E2E8F0; border-radius: %2px; }"
               "QSlider::sub-page:horizontal { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
               " stop:0 #60A5FA, stop:1 #2563EB); border-radius: %2px; }"
               "QSlider::handle:horizontal { width: %3px; height: %3px; margin: -%4px 0; border-radius: %5px;"
               " background: #FFFFFF; border: 2px solid #2563EB; }")
        .arg(px(4, scaleY))
        .arg(px(2, scaleY))
        .arg(px(12, scaleX))
        .arg(px(4, scaleY))
        .arg(px(6, scaleX));
}

QString AppStyleSheet::viewStyles(double scaleX, double scaleY)
{
    return QStringLiteral(
               "QListView[style='transparent'], QTableWidget[style='transparent'] { background: transparent;"
               " border: none; outline: none; }"
               "QRadioButton { color: #0F172A; spacing: %2px; }"
               "QTreeView { background: #FFFFFF; border: 1px solid #E2E8F0; outline: none; }"
               "QTreeView::item { height: %1px; color: #0F172A; }"
               "QTreeView::item:hover { background: #F8FAFC; }"
               "QTreeView::item:selected { background: #EFF6FF; color: #2563EB; }")
        .arg(px(32, scaleY))
        .arg(px(6, scaleX));
}
