#include "FileTypeComboBox.h"

#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "GaService.h"
#include "XLabel.h"

#include <QHBoxLayout>
#include <QLineEdit>

FileTypeDelegate::FileTypeDelegate(QObject* parent)
    : CheckRowDelegate(QSize(200, 31), &FileTypeComboBox::row, parent)
{
}

FilterRow FileTypeComboBox::row(int value)
{
    switch (value) {
    case 1: return {QStringLiteral("icon_photo@2x.png"), QObject::tr("Photo")};
    case 2: return {QStringLiteral("icon_video@2x.png"), QObject::tr("Video")};
    case 4: return {QStringLiteral("icon_audio@2x.png"), QObject::tr("Audio")};
    case 8: return {QStringLiteral("icon_docm@2x.png"), QObject::tr("Document")};
    case 16: return {QStringLiteral("icon_mail@2x.png"), QObject::tr("Email")};
    case 32: return {QStringLiteral("icon_zip@2x.png"), QObject::tr("Archive")};
    case 64: return {QStringLiteral("icon_txt@2x.png"), QObject::tr("Others")};
    case 128: return {QStringLiteral("icon_nosuffix@2x.png"), QObject::tr("Extensionless File")};
    case 256: return {QStringLiteral("icon_unsaved@2x.png"), QObject::tr("Unsaved File")};
    case CustomValue: return {QStringLiteral("icon_txt@2x.png"), QObject::tr("Customize")};
    default: return {};
    }
}

FileTypeComboBox::FileTypeComboBox(QWidget* parent)
    : FilterComboBox(parent, 200)
{
    setupUi();
    connect(extensions_, &QLineEdit::editingFinished, this, &FileTypeComboBox::onCustomEditingFinished);
    retranslateUi();
    finishConstruction();
}

void FileTypeComboBox::setupUi()
{
    setupFaceAndPopup(new FileTypeDelegate, {1, 2, 4, 8, 16, 32, 64, 128, 256, CustomValue}, -1);
    QWidget* box = createCustomBox(QSize(200, 32), CustomValue);
    extensions_ = new QLineEdit(box);
    extensions_->setMinimumSize(XApplication::scaledX(134), XApplication::scaledY(31));
    extensions_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #E2E8F0; background: #FFFFFF; border-radius: 4px; }"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(XApplication::scaledX(8), 0, XApplication::scaledX(8), 0);
    row->addWidget(extensions_, 0, Qt::AlignVCenter);
}

void FileTypeComboBox::retranslateUi()
{
    faceLabel()->setFontPointSize(10.5);
    extensions_->setPlaceholderText(tr("For example: doc; pptx;"));
    updateFilter(true);
}

void FileTypeComboBox::onCustomEditingFinished()
{
    if (!extensions_->text().isEmpty())
        sendGaEvent(QStringLiteral("SearchFilter"), QStringLiteral("FilterTypeCustom"), extensions_->text());
    restartDebounce();
}

void FileTypeComboBox::resetFilter()
{
    setCustomBoxShown(false);
    setAllRows(Qt::Unchecked);
    const bool blocked = extensions_->blockSignals(true);
    extensions_->clear();
    extensions_->blockSignals(blocked);
    updateFilter(true);
}

void FileTypeComboBox::updateFilter(bool displayOnly)
{
    quint32 mask = 0;
    QString summary;
    checkedRows(&FileTypeComboBox::row, &mask, &summary);
    renderFace(tr("File Type"), summary, mask);
    if (displayOnly)
        return;
    // FileFilterManager trims, lower-cases and de-duplicates the entries.
    const QStringList extensions = extensions_->text().isEmpty()
                                       ? QStringList()
                                       : extensions_->text().split(QLatin1Char(';'), Qt::KeepEmptyParts);
    FileFilterManager::instance()->setFileTypeFilter(mask, extensions);
}
