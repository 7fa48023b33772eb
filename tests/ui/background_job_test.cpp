// SPDX-License-Identifier: GPL-3.0-or-later
// Background jobs: the newest result only, progress shown after 0.1 s, cancelling, failing, ending.
#include "ui/common/background_job.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <new>

using Control = BackgroundJob::Control;

namespace {

// Work that runs until the test lets it go or cancels it, reporting half done.
struct Gate {
    std::atomic<bool> open{false};
    std::atomic<bool> entered{false};
};

auto gatedWork(std::shared_ptr<Gate> gate, int result)
{
    return [gate, result](const Control& control) {
        gate->entered = true;
        control.report(0.5);
        while (!gate->open && !control.cancelled()) QThread::yieldCurrentThread();
        return control.cancelled() ? -1 : result;
    };
}

} // namespace

class BackgroundJobTest : public QObject {
    Q_OBJECT
private slots:
    void deliversOnTheWindowsThread();
    void aNewerJobReplacesTheRunningOne();
    void progressShowsOnlyForLongJobs();
    void cancelDeliversNothing();
    void aThrowingJobSaysSo();
    void destroyingStopsTheRunningJob();
};

void BackgroundJobTest::deliversOnTheWindowsThread()
{
    BackgroundJob job(nullptr);
    QThread* deliveredOn = nullptr;
    int value = 0;
    job.start([](const Control&) { return 42; },
              [&](int v) {
                  value = v;
                  deliveredOn = QThread::currentThread();
              });
    QVERIFY(job.isRunning());
    QTRY_VERIFY(!job.isRunning());
    QCOMPARE(value, 42);
    QCOMPARE(deliveredOn, QThread::currentThread());
}

void BackgroundJobTest::aNewerJobReplacesTheRunningOne()
{
    BackgroundJob job(nullptr);
    QSignalSpy delivered(&job, &BackgroundJob::delivered);
    auto first = std::make_shared<Gate>();
    QList<int> results;
    job.start(gatedWork(first, 1), [&](int v) { results << v; });
    QTRY_VERIFY(first->entered.load());
    job.start([](const Control&) { return 2; }, [&](int v) { results << v; });
    first->open = true;
    QTRY_VERIFY(!job.isRunning());
    QTRY_COMPARE(delivered.count(), 1);
    QCOMPARE(results, QList<int>{2});
}

void BackgroundJobTest::progressShowsOnlyForLongJobs()
{
    QProgressBar bar;
    bar.show();
    BackgroundJob job(&bar);
    QVERIFY(!bar.isVisible());

    job.start([](const Control&) { return 0; }, [](int) {});
    QVERIFY(!bar.isVisible());
    QTRY_VERIFY(!job.isRunning());
    QVERIFY(!bar.isVisible()); // a quick job never shows it

    auto gate = std::make_shared<Gate>();
    QElapsedTimer clock;
    clock.start();
    job.start(gatedWork(gate, 1), [](int) {});
    QTRY_VERIFY(bar.isVisible());
    QVERIFY(clock.elapsed() >= 100);
    QTRY_COMPARE(bar.value(), 500); // half done, as reported
    gate->open = true;
    QTRY_VERIFY(!job.isRunning());
    QVERIFY(!bar.isVisible());
}

void BackgroundJobTest::cancelDeliversNothing()
{
    BackgroundJob job(nullptr);
    QSignalSpy delivered(&job, &BackgroundJob::delivered);
    auto gate = std::make_shared<Gate>();
    job.start(gatedWork(gate, 1), [](int) { QFAIL("a cancelled job delivered"); });
    QTRY_VERIFY(gate->entered.load());
    job.cancel();
    QVERIFY(!job.isRunning());
    // Let its thread end and its finish reach the window.
    job.start([](const Control&) { return 0; }, [](int) {});
    QTRY_COMPARE(delivered.count(), 1);
}

void BackgroundJobTest::aThrowingJobSaysSo()
{
    BackgroundJob job(nullptr);
    QSignalSpy failed(&job, &BackgroundJob::failed);
    job.start([](const Control&) -> int { throw std::bad_alloc(); }, [](int) { QFAIL("nothing to deliver"); });
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(failed.at(0).at(0).toString().contains("ran out of memory"));
    QVERIFY(!job.isRunning());
}

void BackgroundJobTest::destroyingStopsTheRunningJob()
{
    auto gate = std::make_shared<Gate>();
    {
        BackgroundJob job(nullptr);
        job.start(gatedWork(gate, 1), [](int) { QFAIL("a job outlived its owner"); });
        QTRY_VERIFY(gate->entered.load());
    } // returns only once the worker has seen the cancel and ended
    QVERIFY(!gate->open.load());
}

QTEST_MAIN(BackgroundJobTest)
#include "background_job_test.moc"
