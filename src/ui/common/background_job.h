// SPDX-License-Identifier: GPL-3.0-or-later
// A computation of the analysis library off the window's thread, which a newer one cancels.
#pragma once

#include "analysis/family_control.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <type_traits>

class QProgressBar;

// Runs one computation at a time on its own threads. start() cancels the one running
// (it stops at its next check and its result is dropped) and begins the new one; the
// result reaches the window on the window's thread, only if nothing replaced it.
// The progress bar appears only when a computation takes longer than 0.1 s.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    using Control = cuneola::analysis::FamilyControl;
    using Delivery = std::function<void()>;

    explicit BackgroundJob(QProgressBar* progress, QObject* parent = nullptr);
    // Cancels the running computation and waits for its threads, at most one march long.
    ~BackgroundJob() override;

    // `work(control)` runs on a worker thread and must touch nothing of the window;
    // `deliver(result)` then runs on the window's thread.
    template <class Work, class Deliver>
    void start(Work work, Deliver deliver)
    {
        using Result = std::invoke_result_t<Work&, const Control&>;
        startErased([work = std::move(work), deliver = std::move(deliver)](const Control& control) mutable -> Delivery {
            auto result = std::make_shared<Result>(work(control));
            return [deliver, result] { deliver(*result); };
        });
    }

    // Stops the running computation; nothing of it is delivered.
    void cancel();
    bool isRunning() const { return m_run != nullptr; }

signals:
    // A result was delivered.
    void delivered();
    // The computation threw (the library throws only when memory runs out).
    void failed(const QString& message);

private:
    struct Run {
        std::atomic<bool> cancel{false};
        std::atomic<int> permille{0};
    };

    void startErased(std::function<Delivery(const Control&)> work);
    void finish(const std::shared_ptr<Run>& run, QFutureWatcher<Delivery>* watcher);
    void stopShowingProgress();

    QThreadPool m_pool;
    QPointer<QProgressBar> m_progress; // a sibling, which may go first
    QTimer m_showDelay;                // 0.1 s, single shot
    QTimer m_poll;                     // moves the bar while it shows
    std::shared_ptr<Run> m_run;
    QFutureWatcher<Delivery>* m_watcher = nullptr;
};
