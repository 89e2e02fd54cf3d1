#include "Shots.h"

#include "Pictures.h"
#include "XBusyIndicator.h"
#include "XCircularProgress.h"
#include "XDialog.h"
#include "XLabel.h"
#include "XLine.h"
#include "XLineEdit.h"
#include "XMessageBox.h"
#include "XProgressBar.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {

class ShotWriter
{
public:
    explicit ShotWriter(const QString& folder) : folder_(folder) {}

    // Shows the widget, lets it lay out and paint, and saves what it shows.
    void take(QWidget& widget, const QString& name)
    {
        widget.show();
        QApplication::processEvents();
        QApplication::processEvents();
        const QString path = QDir(folder_).filePath(name + ".png");
        if (widget.grab().save(path)) {
            QTextStream(stdout) << path << "\n";
        } else {
            QTextStream(stderr) << "cannot write " << path << "\n";
            ++failures_;
        }
        widget.hide();
    }

    int failures() const { return failures_; }

private:
    QString folder_;
    int failures_ = 0;
};

// A white page behind small widgets, so transparent parts read as they do in the program.
std::unique_ptr<QWidget> page(const std::function<void(QWidget*, QVBoxLayout*)>& fill, QSize size)
{
    auto host = std::make_unique<QWidget>();
    host->setAutoFillBackground(true);
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, Qt::white);
    host->setPalette(palette);
    auto* layout = new QVBoxLayout(host.get());
    layout->setContentsMargins(12, 12, 12, 12);
    fill(host.get(), layout);
    host->resize(size);
    return host;
}

void buttonShots(ShotWriter& shots, const ShotPictures& pictures)
{
    const struct {
        const char* name;
        int state;
        bool disabled;
        bool checked;
    } states[] = {
        {"normal", 0, false, false}, {"hover", 1, false, false}, {"pressed", 2, false, false},
        {"disabled", 0, true, false}, {"checked", 0, false, true},
    };
    const struct {
        const char* name;
        std::function<void(XPushButton*)> setUp;
    } modes[] = {
        {"colour", [](XPushButton* b) { b->setRadius(6); }},
        {"weak", [](XPushButton* b) {
             b->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")});
             b->setTextColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
             b->setBorderColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
             b->setBorderWidth(2);
             b->setRadius(4.48);
         }},
        {"strong", [](XPushButton* b) {
             b->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
             b->setTextColors({Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")});
             b->setBorderColor(Qt::transparent);
             b->setRadius(4.48);
         }},
        {"gradient", [](XPushButton* b) {
             QVector<QGradient> gradients;
             for (const auto& [from, to] : {std::pair{"#60A5FA", "#2563EB"}, {"#3B82F6", "#1D4ED8"},
                                            {"#1D4ED8", "#1E3A8A"}, {"#E5E7EB", "#9CA3AF"}}) {
                 QLinearGradient g(0, 0, 128, 0);
                 g.setColorAt(0, QColor(from));
                 g.setColorAt(1, QColor(to));
                 gradients << g;
             }
             b->setGradients(gradients);
             b->setRadius(16);
         }},
        {"icon-left", [&pictures](XPushButton* b) {
             b->setBackgroundColors({QColor("#F8FAFC"), QColor("#EFF6FF"), QColor("#DBEAFE"), QColor("#F1F5F9")});
             b->setTextColors({QColor("#0F172A"), QColor("#2563EB"), QColor("#2563EB"), QColor("#94A3B8")});
             b->setRadius(6);
             b->setIcon(pictures.icon, QSize(20, 20), Qt::AlignLeft, 10, 6);
         }},
        {"icon-top", [&pictures](XPushButton* b) {
             b->setBackgroundColors({QColor("#F8FAFC"), QColor("#EFF6FF"), QColor("#DBEAFE"), QColor("#F1F5F9")});
             b->setTextColors({QColor("#0F172A"), QColor("#2563EB"), QColor("#2563EB"), QColor("#94A3B8")});
             b->setRadius(6);
             b->setIcon(pictures.icon, QSize(24, 24), Qt::AlignTop, 6, 2);
         }},
        {"hover-pixmaps", [&pictures](XPushButton* b) {
             b->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEAFE"), QColor("#FFFFFF")});
             b->setHoverPixmaps(pictures.icon, pictures.iconHover, true);
         }},
    };
    for (const auto& mode : modes) {
        for (const auto& state : states) {
            auto host = page([&](QWidget* parent, QVBoxLayout* layout) {
                auto* button = new XPushButton(parent);
                button->resize(128, QString(mode.name) == "icon-top" ? 64 : 32);
                button->setFixedSize(button->size());
                button->setText(QString(mode.name).startsWith("hover") ? QString() : "Recover");
                mode.setUp(button);
                button->setEnabled(!state.disabled);
                button->setCheckable(state.checked);
                button->setChecked(state.checked);
                button->setButtonState(state.state);
                layout->addWidget(button, 0, Qt::AlignCenter);
            }, QSize(160, 90));
            shots.take(*host, QString("button-%1-%2").arg(mode.name, state.name));
        }
    }
}

void messageBoxShots(ShotWriter& shots)
{
    const struct {
        const char* name;
        XMessageBox::IconKind kind;
    } kinds[] = {
        {"noicon", XMessageBox::NoIcon}, {"question", XMessageBox::QuestionIcon},
        {"information", XMessageBox::InformationIcon}, {"success", XMessageBox::SuccessIcon},
        {"loading", XMessageBox::LoadingIcon},
    };
    const QStringList texts{"Cancel", "Later", "Recover"};
    for (const auto& kind : kinds) {
        for (int count = 1; count <= 3; ++count) {
            XMessageBox box;
            box.setIconKind(kind.kind);
            box.setTitle("Ostrel Windows Data Recovery");
            box.setText("The selected files will be written to the folder you choose. "
                        "Pick a folder on another disk than the one you recover from.");
            box.setButtons(texts.mid(3 - count), count, XMessageBox::NoButtonStyle);
            shots.take(box, QString("messagebox-%1-%2buttons").arg(kind.name).arg(count));
        }
    }
    XMessageBox styled;
    styled.setIconKind(XMessageBox::QuestionIcon);
    styled.setText("Buttons styled weak, strong and super.");
    styled.setButtons({"Weak", "Strong", "Super"}, -1,
                      XMessageBox::WeakButtonStyle | XMessageBox::StrongButtonStyle |
                          XMessageBox::SuperButtonStyle);
    shots.take(styled, "messagebox-styles-weak-strong-super");
}

void dialogShots(ShotWriter& shots, const ShotPictures& pictures)
{
    XDialog dialog;
    dialog.resize(480, 300);
    dialog.setTitle("Dialog title");
    dialog.setTitleFont(11, true);
    dialog.setTitleIcon(pictures.icon);
    auto* layout = new QVBoxLayout(dialog.contentWidget());
    auto* label = new XLabel(dialog.contentWidget());
    label->setText("Content of the dialog goes here.");
    label->setTextColor(QColor("#64748B"));
    layout->addWidget(label);
    layout->addWidget(new XLine(Qt::Horizontal, 1, QColor("#F1F5F9"), dialog.contentWidget()));
    auto* edit = new XLineEdit(dialog.contentWidget());
    edit->setPlaceholderText("A line edit");
    edit->setFixedHeight(32);
    layout->addWidget(edit);
    layout->addStretch();
    shots.take(dialog, "dialog-plain");

    dialog.setTitle("A dialog title far too long to fit the width of this small dialog window");
    shots.take(dialog, "dialog-title-elided");
}

void indicatorShots(ShotWriter& shots, const ShotPictures& pictures)
{
    for (const auto& [name, typed] : {std::pair{"empty", ""}, {"text", "holiday photos"}}) {
        auto host = page([&, typed = typed](QWidget* parent, QVBoxLayout* layout) {
            auto* box = new XSearchBox(parent);
            box->setPlaceholderText("Search files");
            box->setSearchIcon(pictures.icon);
            box->setClearIcon(pictures.ringFailed);
            box->lineEdit()->setText(typed);
            layout->addWidget(box, 0, Qt::AlignCenter);
        }, QSize(220, 70));
        shots.take(*host, QString("searchbox-%1").arg(name));
    }

    for (int value : {0, 50, 100}) {
        auto host = page([value](QWidget* parent, QVBoxLayout* layout) {
            auto* bar = new XProgressBar(parent);
            bar->setFixedSize(300, 8);
            bar->setRadius(4);
            bar->setBackgroundColors(QColor("#E2E8F0"), QColor());
            bar->setProgressColors(QColor("#60A5FA"), QColor("#2563EB"));
            bar->setValue(value);
            layout->addWidget(bar, 0, Qt::AlignCenter);
        }, QSize(330, 40));
        shots.take(*host, QString("progressbar-%1").arg(value));
    }

    const struct {
        const char* name;
        std::function<void(XCircularProgress*)> enter;
    } states[] = {
        {"running", [](XCircularProgress* r) { r->setValue(37); r->start(); }},
        {"paused", [](XCircularProgress* r) { r->setValue(64); r->start(); r->pause(); }},
        {"finished", [](XCircularProgress* r) { r->setValue(100); r->showFinished(); }},
        {"failed", [](XCircularProgress* r) { r->showFailed(); }},
    };
    for (const auto& state : states) {
        auto host = page([&](QWidget* parent, QVBoxLayout* layout) {
            auto* ring = new XCircularProgress(parent);
            ring->setPixmaps(pictures.ringBackground, pictures.ringFinished, pictures.ringFailed);
            ring->setTextFont(QColor("#2563EB"), 8, true);
            state.enter(ring);
            layout->addWidget(ring, 0, Qt::AlignCenter);
        }, QSize(80, 80));
        shots.take(*host, QString("ring-%1").arg(state.name));
    }

    for (int ticks : {0, 4}) {
        auto host = page([&](QWidget* parent, QVBoxLayout* layout) {
            auto* spinner = new XBusyIndicator(parent);
            spinner->setFixedSize(52, 52);
            spinner->setPixmap(pictures.spinner, QSize(33, 33));
            layout->addWidget(spinner, 0, Qt::AlignCenter);
            spinner->start(-1);
            spinner->stop();
            spinner->show();
        }, QSize(80, 80));
        if (ticks > 0) {
            auto* spinner = host->findChild<XBusyIndicator*>();
            spinner->start(5);
            while (spinner->angle() < 20 * ticks)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            spinner->stop();
            spinner->show();
        }
        shots.take(*host, QString("spinner-%1deg").arg(ticks * 20));
    }
}

} // namespace

int writeShots(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    QTemporaryDir pictureFolder;
    const ShotPictures pictures = writeShotPictures(pictureFolder.path());
    ShotWriter shots(folder);
    buttonShots(shots, pictures);
    messageBoxShots(shots);
    dialogShots(shots, pictures);
    indicatorShots(shots, pictures);
    return shots.failures();
}
