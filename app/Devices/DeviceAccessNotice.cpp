#include "DeviceAccessNotice.h"

#include "DeviceScale.h"
#include "XMessageBox.h"

#include <QEvent>

#include <algorithm>

DeviceAccessNotice::DeviceAccessNotice(QWidget* parent) : XLabel(parent)
{
    setObjectName(QStringLiteral("deviceAccessNotice"));
    setWordWrap(true);
    setTextColor(DeviceColors::primaryText);
    // The gap below is the notice's own margin: a hidden notice leaves none.
    setStyleSheet(QStringLiteral("QLabel#deviceAccessNotice{background: #FFF1F1; border: 1px solid #FFC9C9;"
                                 " border-radius: %1px; padding: %1px %2px; margin-bottom: %3px;}")
                      .arg(sy(8))
                      .arg(sx(12))
                      .arg(sy(12)));
    hide();
    retranslateUi();
}

bool DeviceAccessNotice::anyUnreadable(const QVector<QDiskAndVolumeInfo>& records)
{
    return std::any_of(records.begin(), records.end(), [](const QDiskAndVolumeInfo& r) { return r.isUnreadable; });
}

void DeviceAccessNotice::showFor(const QVector<QDiskAndVolumeInfo>& records)
{
    setVisible(anyUnreadable(records));
}

QString DeviceAccessNotice::noAccessText()
{
    return tr("No access");
}

QString DeviceAccessNotice::howToGetAccessText()
{
    return tr("Devices marked \"No access\" can only be read with administrator rights. To scan them, start the "
              "program from its menu entry (it asks for your password), or run it as root.");
}

bool DeviceAccessNotice::refuseUnreadable(QWidget* parent, const QVector<QDiskAndVolumeInfo>& records)
{
    if (!anyUnreadable(records))
        return false;
    XMessageBox::information(parent, QString(), howToGetAccessText(), {QObject::tr("OK")}, 1);
    return true;
}

void DeviceAccessNotice::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    XLabel::changeEvent(event);
}

void DeviceAccessNotice::retranslateUi()
{
    setFontPointSize(10.5);
    setText(howToGetAccessText());
}
