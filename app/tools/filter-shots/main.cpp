// filter-shots --out DIR (QT_FONT_DPI=192 for scale 2): the filter bar in its neutral and active looks and
// with each drop-down's popup open (the popup drawn where it opens under its
// face), plus the number and date inputs, one PNG each, for review.
#include "AdvanceFilterComboBox.h"
#include "AppManager.h"
#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "FileSizeComboBox.h"
#include "FileTypeComboBox.h"
#include "FilterDataPanel.h"
#include "ImageResources.h"
#include "ModifiedDateComboBox.h"
#include "SpinComboBox.h"
#include "XDateEdit.h"
#include "XLabel.h"
#include "XPushButton.h"

#include "ShotRun.h"
#include "ShotWriter.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>

#include <cstdio>

namespace {

ShotWriter* shots = nullptr;

// The top-level widget and any open popups drawn at their screen places.
void shoot(QWidget& top, const QList<QWidget*>& popups, const QString& name)
{
    settleFor(40);
    const QPoint origin = top.mapToGlobal(QPoint(0, 0));
    QRect area(QPoint(0, 0), top.size());
    for (QWidget* popup : popups)
        area |= QRect(popup->mapToGlobal(QPoint(0, 0)) - origin, popup->size());
    area.adjust(0, 0, 12, 12);
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(QColor("#E2E8F0"));
    QPainter painter(&image);
    painter.drawPixmap(-area.topLeft(), top.grab());
    for (QWidget* popup : popups)
        painter.drawPixmap(popup->mapToGlobal(QPoint(0, 0)) - origin - area.topLeft(), popup->grab());
    painter.end();
    shots->save(image, name);
}

// Ticks a row as a click would (radio rows: only that one) and lets the drop-down react.
void clickRow(FilterComboBox& box, int row, bool radio = false)
{
    QStandardItemModel* model = box.model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (row == r)
            model->item(r)->setCheckState(Qt::Checked);
        else if (radio)
            model->item(r)->setCheckState(Qt::Unchecked);
    }
    emit box.listView()->clicked(model->index(row, 0));
}

void open(FilterComboBox& box)
{
    if (!box.popup()->isVisible())
        box.showPopup();
    settleFor(40);
}

} // namespace

int main(int argc, char** argv)
{
    // As the program runs: "@2x" pictures load at their pixel size.
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
    XApplication app(argc, argv);
    initImageResources();
    QApplication::setFont(QFont(QString::fromLatin1(defaultFontRecord.family), defaultFontRecord.baseSize));
    const QString folder = shotsFolder(app, "Screenshots of the filter bar and its drop-downs",
                                       "Write one PNG per state into <folder>.");
    if (folder.isEmpty())
        return 1;
    ShotWriter writer(folder);
    shots = &writer;

    QWidget window;
    window.resize(XApplication::scaledX(1100), XApplication::scaledY(470));
    window.setStyleSheet(QStringLiteral("background: #FFFFFF;"));
    auto* panel = new FilterDataPanel(&window);
    panel->setGeometry(0, 0, window.width(), panel->height());
    window.show();
    settleFor(100);
    shoot(window, {}, QStringLiteral("bar-neutral"));

    FileTypeComboBox& type = *panel->fileTypeBox();
    open(type);
    shoot(window, {type.popup()}, QStringLiteral("popup-type"));
    clickRow(type, 0);
    clickRow(type, 1);
    clickRow(type, 9);
    type.extensionField()->setText(QStringLiteral("doc; pptx;"));
    type.updateFilter(true);
    shoot(window, {type.popup()}, QStringLiteral("popup-type-custom"));
    type.popup()->hide();

    ModifiedDateComboBox& date = *panel->dateBox();
    open(date);
    shoot(window, {date.popup()}, QStringLiteral("popup-date"));
    clickRow(date, 5, true);
    date.fromBox()->setDate(QDate(2021, 3, 27));
    date.toBox()->setDate(QDate(2021, 3, 28));
    date.updateFilter(true);
    shoot(window, {date.popup()}, QStringLiteral("popup-date-custom"));
    date.popup()->hide();
    date.popup()->show();
    settleFor(40);
    XDateEdit& from = *date.fromBox();
    from.popup()->move(from.mapToGlobal(QPoint(0, from.height())));
    from.popup()->resize(from.calendar()->sizeHint());
    from.calendar()->setSelectedDate(from.date());
    from.popup()->show();
    shoot(window, {date.popup(), from.popup()}, QStringLiteral("popup-date-calendar"));
    from.popup()->hide();
    date.popup()->hide();

    FileSizeComboBox& size = *panel->sizeBox();
    open(size);
    shoot(window, {size.popup()}, QStringLiteral("popup-size"));
    clickRow(size, 6, true);
    size.minimumBox()->numberField()->setText(QStringLiteral("10"));
    size.minimumBox()->unitBox()->setCurrentIndex(2);
    size.maximumBox()->numberField()->setText(QStringLiteral("2"));
    size.maximumBox()->unitBox()->setCurrentIndex(3);
    size.updateFilter(true);
    shoot(window, {size.popup()}, QStringLiteral("popup-size-custom"));
    size.popup()->hide();

    AdvanceFilterComboBox& advanced = *panel->advancedBox();
    open(advanced);
    clickRow(advanced, 1);
    clickRow(advanced, 3);
    advanced.updateFilter(true);
    shoot(window, {advanced.popup()}, QStringLiteral("popup-advanced"));
    advanced.popup()->hide();

    panel->deletedSwitch()->setChecked(true);
    settleFor(300);
    shoot(window, {}, QStringLiteral("bar-active"));
    {
        FileSizeComboBox band(&window);
        band.move(XApplication::scaledX(20), XApplication::scaledY(60));
        band.model()->item(0)->setCheckState(Qt::Unchecked);
        band.model()->item(1)->setCheckState(Qt::Checked);
        band.updateFilter(true);
        band.show();
        shoot(window, {}, QStringLiteral("face-size-band"));
    }
    panel->resetAllFilters();
    settleFor(300);
    shoot(window, {}, QStringLiteral("bar-after-reset"));

    {
        QWidget holder;
        holder.resize(XApplication::scaledX(260), XApplication::scaledY(60));
        holder.setStyleSheet(QStringLiteral("background: #FFFFFF;"));
        auto* spin = new SpinComboBox(&holder);
        spin->setGeometry(XApplication::scaledX(10), XApplication::scaledY(10), XApplication::scaledX(110),
                          XApplication::scaledY(31));
        spin->numberField()->setText(QStringLiteral("500"));
        spin->unitBox()->setCurrentIndex(1);
        auto* edit = new XDateEdit(&holder);
        edit->setGeometry(XApplication::scaledX(140), XApplication::scaledY(10), XApplication::scaledX(100),
                          XApplication::scaledY(31));
        edit->setDate(QDate(2021, 3, 28));
        holder.show();
        shoot(holder, {}, QStringLiteral("inputs"));
    }
    FileFilterManager::instance()->resetFilters(false);
    std::printf("%d pictures\n", writer.written());
    return writer.failures() == 0 && writer.written() > 0 ? 0 : 1;
}
