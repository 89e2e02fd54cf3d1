#pragma once
// What the export tests share: modal dialogs answered from timers, the
// analytics events sent, and a stand-in main window that keeps the shade and
// busy-indicator state the posted AppEvents leave.
#include "AppEvent.h"
#include "AppManager.h"
#include "ResultsExportFlow.h"
#include "GaService.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace ExportTest {

// Receives AppEvents as the main window does: the last of 1/2 and of 4/8 wins.
class AppEventWindow : public QWidget {
public:
    // Registers itself as the main window (AppManager's widget 0).
    AppEventWindow()
    {
        resize(900, 600);
        AppManager::instance()->registerWidget(0, this);
    }

    bool shadeShown = false;
    bool busyShown = false;
    QList<int> flags;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != AppEvent::EventType)
            return;
        const int value = static_cast<AppEvent*>(event)->flags();
        flags << value;
        if (value & AppEvent::ShowShade)
            shadeShown = true;
        else if (value & AppEvent::HideShade)
            shadeShown = false;
        if (value & AppEvent::ShowBusy)
            busyShown = true;
        else if (value & AppEvent::HideBusy)
            busyShown = false;
    }
};

// Every sendGaEvent as "category/action[/label[/value]]".
class RecordedEvents {
public:
    RecordedEvents()
    {
        setGaEventRecorder([this](const QString& c, const QString& a, const QString& l, const QString& v) {
            QString line = c + QLatin1Char('/') + a;
            if (!l.isEmpty() || !v.isEmpty())
                line += QLatin1Char('/') + l;
            if (!v.isEmpty())
                line += QLatin1Char('/') + v;
            events << line;
        });
    }
    ~RecordedEvents() { setGaEventRecorder({}); }
    QStringList take()
    {
        QStringList out = events;
        events.clear();
        return out;
    }
    QStringList events;
};

// Every label text of a dialog, joined by newlines.
inline QString dialogText(QWidget* dialog)
{
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisibleTo(dialog) && !label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(QLatin1Char('\n'));
}

// One answer to the next modal dialog of type T that appears: act runs on
// it from a timer while its exec() loop spins. The record says what was seen.
struct Answer {
    QString className;
    QString text;
    bool seen = false;
};

template <typename T>
class ModalAnswerer {
public:
    // act gets the dialog; for a message box, clickButton presses a numbered button.
    ModalAnswerer(std::function<void(T*)> act, std::shared_ptr<Answer> answer = std::make_shared<Answer>())
        : act_(std::move(act)), answer_(std::move(answer))
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            before_.append(widget);
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    std::shared_ptr<Answer> answer() const { return answer_; }
    bool done() const { return answer_->seen; }

private:
    void poll()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(widget);
            if (!dialog || !dialog->isVisible() || before_.contains(widget))
                continue;
            timer_.stop();
            answer_->seen = true;
            answer_->className = QString::fromLatin1(widget->metaObject()->className());
            answer_->text = dialogText(widget);
            act_(dialog);
            return;
        }
    }

    std::function<void(T*)> act_;
    std::shared_ptr<Answer> answer_;
    QList<QPointer<QWidget>> before_;
    QTimer timer_;
};

inline void clickButton(XMessageBox* box, int id)
{
    box->buttons().at(id - 1)->click();
}

// Presses button id of the next message box.
inline std::unique_ptr<ModalAnswerer<XMessageBox>> answerMessage(int id)
{
    return std::make_unique<ModalAnswerer<XMessageBox>>([id](XMessageBox* box) { clickButton(box, id); });
}

// Hooks of a finished Recycle Bin scan on disk 0 (it never asks about the
// disk) whose model calls do nothing; tests replace what they watch.
inline ResultsExportHooks quietHooks()
{
    ResultsExportHooks hooks;
    hooks.scanTarget = [] {
        ScanTargetInfo target;
        target.nodeTypeCode = 14;
        target.deviceType = RecycleBin;
        return target;
    };
    hooks.scannedVolumes = [] { return DiskVolumeHash(); };
    hooks.deviceType = [] { return quint8(0); };
    hooks.scanState = [] { return 4; };
    hooks.pauseScan = [] {};
    hooks.stopRecovery = [] {};
    hooks.checkedTotals = [](bool) { return qMakePair(quint64(1), quint64(1)); };
    hooks.checkAll = [](int) {};
    hooks.exportChecked = [](const QString&, bool) {};
    hooks.exportOne = [](const QString&, DocumentInfo*) {};
    return hooks;
}

} // namespace ExportTest
