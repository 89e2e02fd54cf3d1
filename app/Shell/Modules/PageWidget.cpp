#include "Modules/PageWidget.h"

#include <QVBoxLayout>

PageWidget::PageWidget(QWidget* parent)
    : QWidget(parent), content_(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content_);
}
