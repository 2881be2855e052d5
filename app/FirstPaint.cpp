#include "app/FirstPaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

namespace {

class TFirstPaintWatch final : public QObject {
public:
    explicit TFirstPaintWatch(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        setObjectName(QStringLiteral("firstPaintWatch"));
        window->installEventFilter(this);
        // The window is shown after it was built: look at it once the
        // event loop runs.
        QTimer::singleShot(0, this, [this] {
            if (!window_->isVisible())
                runSteps();
            else if (!painted_)
                QTimer::singleShot(1000, this, [this] { runSteps(); });
        });
    }
    void add(std::function<void()> step)
    {
        if (done_)
            QTimer::singleShot(0, this, std::move(step)); // the window is up: the next turn
        else
            steps_.push_back(std::move(step));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The rest of the window is drawn and shown in this same turn.
            QTimer::singleShot(0, this, [this] { runSteps(); });
        }
        return false;
    }

private:
    void runSteps()
    {
        if (done_)
            return;
        done_ = true;
        window_->removeEventFilter(this);
        std::vector<std::function<void()>> steps;
        steps.swap(steps_);
        const QPointer<TFirstPaintWatch> self(this);
        for (const std::function<void()>& step : steps) {
            step();
            if (!self)
                return; // the window went
        }
    }

    QWidget* window_;
    std::vector<std::function<void()>> steps_;
    bool painted_ = false;
    bool done_ = false;
};

} // namespace

void RunAfterFirstPaint(QWidget* window, std::function<void()> step)
{
    auto* watch = window->findChild<TFirstPaintWatch*>(QStringLiteral("firstPaintWatch"), Qt::FindDirectChildrenOnly);
    if (!watch)
        watch = new TFirstPaintWatch(window);
    watch->add(std::move(step));
}
