#include "AdvanceFilterComboBox.h"

#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "XLabel.h"


AdvanceFilterDelegate::AdvanceFilterDelegate(QObject* parent)
    : CheckRowDelegate(QSize(225, 32), &AdvanceFilterComboBox::row, parent)
{
}

FilterRow AdvanceFilterComboBox::row(int value)
{
    switch (value) {
    case 1: return {QStringLiteral("icon_txt@2x.png"), QObject::tr("Hide 0kb files")};
    case 2: return {QStringLiteral("icon_system@2x.png"), QObject::tr("Hide system files")};
    case 4: return {QStringLiteral("icon_temporary@2x.png"), QObject::tr("Hide temporary files")};
    case 8: return {QStringLiteral("icon_browser@2x.png"), QObject::tr("Hide browser cache")};
    default: return {};
    }
}

AdvanceFilterComboBox::AdvanceFilterComboBox(QWidget* parent)
    : FilterComboBox(parent, 225)
{
    setupFaceAndPopup(new AdvanceFilterDelegate, {1, 2, 4, 8}, -1);
    setResizesPopup(false);
    popup()->setFixedSize(XApplication::scaledX(225), XApplication::scaledY(144));
    retranslateUi();
    finishConstruction();
}

void AdvanceFilterComboBox::retranslateUi()
{
    faceLabel()->setFontPointSize(10.5);
    updateFilter(true);
}

void AdvanceFilterComboBox::resetFilter()
{
    setAllRows(Qt::Unchecked);
    updateFilter(true);
}

void AdvanceFilterComboBox::updateFilter(bool displayOnly)
{
    quint32 mask = 0;
    QString summary;
    checkedRows(&AdvanceFilterComboBox::row, &mask, &summary);
    renderFace(tr("Advanced Filter"), summary, mask);
    if (!displayOnly)
        FileFilterManager::instance()->setExclusionFlags(mask);
}
