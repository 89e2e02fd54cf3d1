#include "Modules/AbstractModuleWidget.h"

#include <QHBoxLayout>
#include <QStackedWidget>

AbstractModuleWidget::AbstractModuleWidget(QWidget* parent)
    : QWidget(parent), stack_(new QStackedWidget(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
}

AbstractModuleWidget::~AbstractModuleWidget() = default;

void AbstractModuleWidget::switchToPage(int id)
{
    if (id == currentId_)
        return;
    QWidget* page = pages_.value(id);
    if (!page) {
        page = createPage(id);
        if (!page)
            return;
    }
    QWidget* leaving = pages_.value(currentId_);
    if (leaving && leaving->testAttribute(Qt::WA_DeleteOnClose)) {
        pages_.remove(currentId_);
        stack_->removeWidget(leaving);
        leaving->deleteLater();
    }
    if (!pages_.contains(id)) {
        pages_.insert(id, page);
        stack_->addWidget(page);
    }
    stack_->setCurrentWidget(page);
    currentId_ = id;
    onPageChanged(id);
}

QWidget* AbstractModuleWidget::currentPage() const
{
    return pages_.value(currentId_);
}
