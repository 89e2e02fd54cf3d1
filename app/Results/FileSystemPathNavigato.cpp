#include "FileSystemPathNavigato.h"

#include "Application/XApplication.h"
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeView.h"
#include "TreeEventBatcher.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

struct FileSystemPathNavigato::Private {
    QPushButton* pathButton = nullptr;
    QPushButton* typeButton = nullptr;
    FileSystemPathTreeView* tree = nullptr;
    std::unique_ptr<TreeEventBatcher> events;
};

namespace {

const char* buttonStyle = "QPushButton {background: transparent; color: #09244B; border: none; border-radius: 4px; "
                          "outline: none;}"
                          "QPushButton:pressed, QPushButton:checked {background: #2563EB; color: white; border: none;}"
                          "QPushButton:disabled {background-color: #D7D7D7; color: #B6B6B6;}";

} // namespace

FileSystemPathNavigato::FileSystemPathNavigato(DocumentManager* manager, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    setMinimumWidth(XApplication::scaledX(266));
    d->tree = new FileSystemPathTreeView(manager, this);
    auto* bar = new QWidget(this);
    bar->setFixedSize(XApplication::scaledX(234), XApplication::scaledY(41));
    bar->setStyleSheet(QStringLiteral(
        "QWidget {border: 1px solid #F1F5F9; border-radius: 8px; background-color: #F8FAFC;}"));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(XApplication::scaledX(10), 0, XApplication::scaledX(10), 0);
    barLayout->setSpacing(XApplication::scaledX(8));
    QFont font = this->font();
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    for (QPushButton** button : {&d->pathButton, &d->typeButton}) {
        *button = new QPushButton(bar);
        (*button)->setCheckable(true);
        (*button)->setFixedSize(XApplication::scaledX(103), XApplication::scaledY(33));
        (*button)->setFont(font);
        (*button)->setStyleSheet(QString::fromLatin1(buttonStyle));
        barLayout->addWidget(*button);
    }
    d->pathButton->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(XApplication::scaledX(16), XApplication::scaledY(16), XApplication::scaledX(16),
                               XApplication::scaledY(10));
    layout->setSpacing(XApplication::scaledY(12));
    layout->addWidget(bar);
    layout->addWidget(d->tree);

    connect(d->tree, &FileSystemPathTreeView::itemSelectedChanged, this, &FileSystemPathNavigato::itemSelectedChanged);
    auto switchTo = [this](int mode) {
        d->pathButton->setChecked(mode == 1);
        d->typeButton->setChecked(mode == 2);
        d->tree->setViewMode(mode);
        d->tree->selectItem(nullptr, true);
    };
    connect(d->pathButton, &QPushButton::clicked, this, [switchTo] { switchTo(1); });
    connect(d->typeButton, &QPushButton::clicked, this, [switchTo] { switchTo(2); });
    retranslate();

    // The observer first, then the catch-up: a node made in between is reported
    // twice and added once, and none is lost.
    FileSystemPathTreeModel* model = d->tree->model();
    d->events = std::make_unique<TreeEventBatcher>(manager, [model](const QVector<TreeEvent>& events) {
        QVector<FileTreeNode*> created;
        for (const TreeEvent& e : events) {
            if (e.type == FileTreeNodeEventType::NodeCreated) {
                created.append(e.node);
            } else if (e.type == FileTreeNodeEventType::NodeVisible) {
                model->onNodesCreated(created);
                created.clear();
                model->onNodeChanged(e.node);
            }
        }
        model->onNodesCreated(created);
    });
    d->events->watchAll();
    model->addExistingNodes();
}

FileSystemPathNavigato::~FileSystemPathNavigato()
{
    d->events.reset();
}

void FileSystemPathNavigato::retranslate()
{
    d->pathButton->setText(tr("File Path"));
    d->typeButton->setText(tr("File Type"));
}

void FileSystemPathNavigato::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QString FileSystemPathNavigato::currentPath() const { return d->tree->currentPath(); }
void FileSystemPathNavigato::selectPath(const QString& path, bool emitSignal) { d->tree->selectPath(path, emitSignal); }
void FileSystemPathNavigato::selectItem(void* item, bool emitSignal) { d->tree->selectItem(item, emitSignal); }
int FileSystemPathNavigato::viewMode() const { return d->tree->viewMode(); }
void FileSystemPathNavigato::refilter() { d->tree->refilter(); }
void FileSystemPathNavigato::collapseAllAndClear() { d->tree->collapseAllAndClear(); }
void FileSystemPathNavigato::repaintTree() { d->tree->repaintTree(); }
void FileSystemPathNavigato::freeze() { d->tree->freeze(); }
FileSystemPathTreeView* FileSystemPathNavigato::tree() const { return d->tree; }
QPushButton* FileSystemPathNavigato::pathButton() const { return d->pathButton; }
QPushButton* FileSystemPathNavigato::typeButton() const { return d->typeButton; }
void FileSystemPathNavigato::flushTreeEvents() { d->events->flushAll(); }

void FileSystemPathNavigato::setViewMode(int mode)
{
    if (mode & 1) {
        d->pathButton->setChecked(true);
        d->typeButton->setChecked(false);
    } else if (mode & 2) {
        d->typeButton->setChecked(true);
        d->pathButton->setChecked(false);
    }
    d->tree->setViewMode(mode);
}
