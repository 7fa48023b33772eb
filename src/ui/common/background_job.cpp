// SPDX-License-Identifier: GPL-3.0-or-later
// A computation of the analysis library off the window's thread, which a newer one cancels.
#include "ui/common/background_job.h"

#include <QProgressBar>
#include <QtConcurrent/QtConcurrentRun>

namespace {
constexpr int kShowAfterMs = 100;
constexpr int kPollMs = 50;
} // namespace

BackgroundJob::BackgroundJob(QProgressBar* progress, QObject* parent) : QObject(parent), m_progress(progress)
{
    // A cancelled computation may still finish its current march while the next one runs.
    m_pool.setMaxThreadCount(2);
    m_showDelay.setSingleShot(true);
    m_showDelay.setInterval(kShowAfterMs);
    m_poll.setInterval(kPollMs);
    if (m_progress) {
        m_progress->setRange(0, 1000);
        m_progress->setTextVisible(false);
        m_progress->hide();
    }
    connect(&m_showDelay, &QTimer::timeout, this, [this] {
        if (!m_run || !m_progress) return;
        m_progress->setValue(m_run->permille.load());
        m_progress->show();
        m_poll.start();
    });
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (m_run && m_progress) m_progress->setValue(m_run->permille.load());
    });
}

BackgroundJob::~BackgroundJob()
{
    cancel();
    m_pool.waitForDone();
}

void BackgroundJob::startErased(std::function<Delivery(const Control&)> work)
{
    cancel();
    auto run = std::make_shared<Run>();
    m_run = run;
    auto* watcher = new QFutureWatcher<Delivery>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcher<Delivery>::finished, this, [this, run, watcher] { finish(run, watcher); });
    // The worker holds only the shared run state and what `work` captured by value.
    watcher->setFuture(QtConcurrent::run(&m_pool, [run, work = std::move(work)]() mutable -> Delivery {
        const Control control{&run->cancel, [run](double fraction) {
                                  run->permille.store(static_cast<int>(fraction * 1000.0), std::memory_order_relaxed);
                              }};
        // The library throws only when memory runs out; an empty delivery says so.
        try {
            return work(control);
        } catch (...) {
            return nullptr;
        }
    }));
    m_showDelay.start();
}

void BackgroundJob::finish(const std::shared_ptr<Run>& run, QFutureWatcher<Delivery>* watcher)
{
    watcher->deleteLater();
    if (run != m_run) return; // replaced or cancelled meanwhile
    m_run.reset();
    m_watcher = nullptr;
    stopShowingProgress();
    const Delivery delivery = watcher->result();
    if (!delivery) {
        emit failed(tr("The computation stopped: the computer ran out of memory."));
        return;
    }
    delivery();
    emit delivered();
}

void BackgroundJob::cancel()
{
    if (m_run) m_run->cancel.store(true);
    m_run.reset();
    if (m_watcher) {
        // Its thread ends at the next check; the watcher only has to go.
        m_watcher->disconnect(this);
        connect(m_watcher, &QFutureWatcher<Delivery>::finished, m_watcher, &QObject::deleteLater);
        if (m_watcher->isFinished()) m_watcher->deleteLater();
        m_watcher = nullptr;
    }
    stopShowingProgress();
}

void BackgroundJob::stopShowingProgress()
{
    m_showDelay.stop();
    m_poll.stop();
    if (m_progress) m_progress->hide();
}
