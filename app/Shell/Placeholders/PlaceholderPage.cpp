#include "PlaceholderPage.h"

#include "AppManager.h"
#include "XLabel.h"

#include <QEvent>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const char* title, const char* text, QWidget* parent)
    : PageWidget(parent), title_(title), text_(text),
      titleLabel_(new XLabel(contentWidget())), textLabel_(new XLabel(contentWidget()))
{
    const auto manager = AppManager::instance();
    titleLabel_->setFontBold(true);
    if (manager->thirdFontSize() > 0)
        titleLabel_->setFontPointSize(manager->thirdFontSize());
    titleLabel_->setTextColor(manager->themeColor(AppManager::PrimaryText));
    titleLabel_->setAlignment(Qt::AlignCenter);
    if (manager->fontSize() > 0)
        textLabel_->setFontPointSize(manager->fontSize());
    textLabel_->setTextColor(manager->themeColor(AppManager::SecondaryText));
    textLabel_->setAlignment(Qt::AlignCenter);
    textLabel_->setWordWrap(true);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->addStretch();
    layout->addWidget(titleLabel_);
    layout->addSpacing(10);
    layout->addWidget(textLabel_);
    layout->addStretch();
    retranslate();
}

void PlaceholderPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    PageWidget::changeEvent(event);
}

void PlaceholderPage::retranslate()
{
    titleLabel_->setText(tr(title_));
    textLabel_->setText(tr(text_));
}
