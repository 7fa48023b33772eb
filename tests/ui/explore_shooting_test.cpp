// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's Shooting tab: the main window's last search on its shooting map, and its error budget.
#include "explore_test_support.h"
#include "solver/iteration_log.h"
#include "ui/explore/shooting_analysis.h"
#include "ui/explore/shooting_tab.h"

#include <QScatterSeries>
#include <QtTest>

#include <algorithm>

using namespace cuneola::testing;

namespace {

QString fourDecimals(double v)
{
    char buf[cuneola::kMaxLogNumberChars];
    return QString::fromLatin1(buf, static_cast<qsizetype>(cuneola::formatLogNumber(v, buf)));
}

// The fields of a log row: Iter, Guess, Step, Outer.
QStringList fieldsOf(const QString& row) { return row.split(' ', Qt::SkipEmptyParts); }

QString labelText(const Form_Explore& explore, const char* name) { return control<QLabel>(explore, name)->text(); }

// A search's trials creeping up from 0.1 in steps of 1e-4, every outer value below the
// target but the one at `crossingAt`.
std::vector<cuneola::TrialRecord> creepingTrials(std::size_t count, std::size_t crossingAt)
{
    std::vector<cuneola::TrialRecord> trials;
    for (std::size_t k = 0; k < count; ++k) {
        const double guess = 0.1 + 1e-4 * static_cast<double>(k);
        trials.push_back({guess, k == crossingAt ? 1.2 : 0.5, true});
    }
    return trials;
}

} // namespace

class ExploreShootingTest : public QObject {
    Q_OBJECT
private slots:
    void beforeAnySearchSaysHowToGetOne();
    void trialsMatchTheMainWindowsLog_data();
    void trialsMatchTheMainWindowsLog();
    void everyCalculateReplacesTheMap();
    void refusedCalculateKeepsTheMap();
    void faultShowsTheMapAndNoBudget();
    void budgetSplitsTheError_data();
    void budgetSplitsTheError();
    void hiddenWindowComputesWhenShownAgain();
    void hidingStopsALongMapUntilShownAgain();
    void longSearchNumbersItsFirstAndLastTrials();
    void drawnTrialsKeepWhatTellsTheSearch_data();
    void drawnTrialsKeepWhatTellsTheSearch();
    void searchOfThousandsOfRoundsDrawsFewMarkers();
};

void ExploreShootingTest::beforeAnySearchSaysHowToGetOne()
{
    ExploreSession s;
    s.open();
    QCOMPARE(labelText(*s.explore, "Lbl_ShootingSetting"),
             "Run a Calculate in the main window; its search will show here.");
    QCOMPARE(seriesOf(*s.explore, "Chart_Shooting", "trials")->count(), 0);
    QVERIFY(labelText(*s.explore, "Lbl_Budget").isEmpty());
}

void ExploreShootingTest::trialsMatchTheMainWindowsLog_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("boxes"); // name=text pairs set before the clicks
    QTest::addColumn<QString>("firstGuess");
    QTest::newRow("default momentum search") << QStringList{"Command1"} << QStringList{} << "0.1";
    QTest::newRow("momentum search that runs out of rounds")
        << QStringList{"Command1"} << QStringList{"Text_MaxIter=3"} << "0.1";
    QTest::newRow("energy search after the momentum search")
        << QStringList{"Command1", "Command3"} << QStringList{} << "-1";
    QTest::newRow("energy search at Pr 0.7 and β 0.5")
        << QStringList{"Command1", "Command3"} << QStringList{"Text_Beta=0.5", "Text_Pr=0.7", "Text_F1_1w=0.1"}
        << "0.1";
}

void ExploreShootingTest::trialsMatchTheMainWindowsLog()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, boxes);
    QFETCH(QString, firstGuess);
    ExploreSession s;
    s.open();
    for (const QString& setting : boxes) s.setText(setting.section('=', 0, 0), setting.section('=', 1));
    for (const QString& button : clicks) s.click(qPrintable(button));
    WAIT_UNTIL_IDLE(*s.explore);

    const QStringList log = logLines(s.window);
    const QList<QPointF> trials = seriesOf(*s.explore, "Chart_Shooting", "trials")->points();
    QCOMPARE(trials.size(), log.size() - 2); // below the header and the blank line, one row per later march
    for (qsizetype k = 0; k < trials.size(); ++k) {
        const QStringList row = fieldsOf(log[2 + k]);
        QCOMPARE(fourDecimals(trials[k].y()), row[3]);
        // Row 0 shows the guess after the first step; the first march used the guess typed.
        QCOMPARE(fourDecimals(trials[k].x()), k == 0 ? fourDecimals(firstGuess.toDouble()) : row[1]);
    }
    QVERIFY(seriesOf(*s.explore, "Chart_Shooting", "roots")->count() >= 1);
}

void ExploreShootingTest::everyCalculateReplacesTheMap()
{
    ExploreSession s;
    s.open();
    s.click("Command1");
    // The second click starts from 0.47, which already passes: one march. No wait between,
    // so the second map replaces the first while it may still be computed.
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> trials = seriesOf(*s.explore, "Chart_Shooting", "trials")->points();
    QCOMPARE(trials.size(), 1);
    QCOMPARE(trials[0].x(), 0.47);
    QVERIFY(labelText(*s.explore, "Lbl_ShootingNote").contains("logged no rows"));
}

void ExploreShootingTest::refusedCalculateKeepsTheMap()
{
    ExploreSession s;
    s.open();
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> before = seriesOf(*s.explore, "Chart_Shooting", "trials")->points();
    s.setText("Text_h", "0");
    s.click("Command1");
    QCOMPARE(s.warnings.size(), 1);
    QVERIFY(!s.explore->isBusy());
    QCOMPARE(seriesOf(*s.explore, "Chart_Shooting", "trials")->points(), before);
}

void ExploreShootingTest::faultShowsTheMapAndNoBudget()
{
    ExploreSession s;
    s.open();
    s.setText("Text_Beta", "1");
    s.setText("Text_F0_2w", "2");
    s.setText("Text_dF0_2w", "0.2");
    s.click("Command1");
    QCOMPARE(s.window.lastResult().outcome, cuneola::SearchOutcome::MarchOutOfRange);
    WAIT_UNTIL_IDLE(*s.explore);
    QCOMPARE(seriesOf(*s.explore, "Chart_Shooting", "trials")->count(), 1); // the first march finished
    const QList<QPointF> overflowed = seriesOf(*s.explore, "Chart_Shooting", "overflow")->points();
    QVERIFY(std::any_of(overflowed.begin(), overflowed.end(),
                        [](const QPointF& p) { return std::fabs(p.x() - 2.2) < 1e-12; }));
    QVERIFY(labelText(*s.explore, "Lbl_Budget").isEmpty());
    QVERIFY2(labelText(*s.explore, "Lbl_BudgetAdvice").contains("ended without a result"),
             qPrintable(labelText(*s.explore, "Lbl_BudgetAdvice")));
}

void ExploreShootingTest::budgetSplitsTheError_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("default momentum search: ε dominates")
        << QStringList{} << "Command1"
        << QStringList{"exact f''(0)", "0.469599988", "from ε = 0.01", "from Δη", "from η max", "lower it"};
    QTest::newRow("fine ε, short far field: η max dominates")
        << QStringList{"Text_Eps=1e-9", "Text_MaxIter=200", "Text_xMax=4", "Text_F0_2w=0.45", "Text_dF0_2w=0.01"}
        << "Command1" << QStringList{"from η max = 4", "raise η max"};
    QTest::newRow("energy search: the f''(0) it used")
        << QStringList{"Text_F0_2w=0.4", "Text_F1_1w=0.3", "Text_Eps=1e-9", "Text_MaxIter=200"} << "Command3"
        << QStringList{"exact g'(0)", "from the f''(0) = 0.4 it used", "Falkner-Skan search first"};
}

void ExploreShootingTest::budgetSplitsTheError()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    ExploreSession s;
    s.open();
    for (const QString& setting : boxes) s.setText(setting.section('=', 0, 0), setting.section('=', 1));
    s.click(qPrintable(button));
    WAIT_UNTIL_IDLE(*s.explore);
    const QString text = control<QLabel>(*s.explore, "Lbl_Budget")->accessibleDescription() + " " +
                         labelText(*s.explore, "Lbl_BudgetAdvice");
    for (const QString& words : shown) QVERIFY2(text.contains(words), qPrintable(words + " / " + text));
}

void ExploreShootingTest::hiddenWindowComputesWhenShownAgain()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    s.explore->close();
    s.click("Command1");
    QVERIFY(!s.explore->shootingTab()->isBusy()); // nothing is computed for a hidden window
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    QCOMPARE(seriesOf(*s.explore, "Chart_Shooting", "trials")->count(), 8);
}

void ExploreShootingTest::hidingStopsALongMapUntilShownAgain()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    // A million steps a march: the map of 240 marches takes seconds.
    s.setText("Text_h", "0.00001");
    s.setText("Text_MaxIter", "3");
    s.click("Command1");
    QVERIFY(s.explore->shootingTab()->isBusy());
    s.explore->close();
    QVERIFY(!s.explore->shootingTab()->isBusy());
    s.open();
    QVERIFY(s.explore->shootingTab()->isBusy()); // the same search again, from the start
}

void ExploreShootingTest::longSearchNumbersItsFirstAndLastTrials()
{
    ExploreSession s;
    s.open();
    s.setText("Text_dF0_2w", "0.0001"); // creeps up from 0.1 and never gets there
    s.setText("Text_MaxIter", "150");
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    QCOMPARE(seriesOf(*s.explore, "Chart_Shooting", "trials")->count(), 151);
    QVERIFY2(labelText(*s.explore, "Lbl_ShootingNote").contains("Of its 151 trials the first and the last 20"),
             qPrintable(labelText(*s.explore, "Lbl_ShootingNote")));
}

void ExploreShootingTest::drawnTrialsKeepWhatTellsTheSearch_data()
{
    QTest::addColumn<std::size_t>("count");
    QTest::addColumn<std::size_t>("crossingAt");
    QTest::newRow("short search: every trial") << std::size_t{150} << std::size_t{70};
    QTest::newRow("at the cap: every trial") << std::size_t{kDrawnTrials} << std::size_t{70};
    QTest::newRow("100,000 rounds with a crossing in the middle") << std::size_t{100000} << std::size_t{54321};
}

void ExploreShootingTest::drawnTrialsKeepWhatTellsTheSearch()
{
    QFETCH(std::size_t, count);
    QFETCH(std::size_t, crossingAt);
    const std::vector<cuneola::TrialRecord> trials = creepingTrials(count, crossingAt);
    const std::vector<std::size_t> drawn = drawnTrials(trials);
    QCOMPARE(drawn.size(), std::min(count, kDrawnTrials));
    QVERIFY(std::is_sorted(drawn.begin(), drawn.end()));
    QVERIFY(std::adjacent_find(drawn.begin(), drawn.end()) == drawn.end());
    const auto has = [&](std::size_t k) { return std::binary_search(drawn.begin(), drawn.end(), k); };
    // The ends (lowest and highest too), and both sides of each crossing.
    for (std::size_t k : {std::size_t{0}, kNumberedEnds - 1, count - kNumberedEnds, count - 1, crossingAt - 1,
                          crossingAt, crossingAt + 1})
        QVERIFY2(has(k), qPrintable(QString::number(k)));
}

void ExploreShootingTest::searchOfThousandsOfRoundsDrawsFewMarkers()
{
    ExploreSession s;
    s.open();
    s.setText("Text_dF0_2w", "0.00001"); // creeps up from 0.1 and never gets there
    s.setText("Text_MaxIter", "3000");
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> trials = seriesOf(*s.explore, "Chart_Shooting", "trials")->points();
    QCOMPARE(trials.size(), qsizetype{kDrawnTrials});
    QCOMPARE(trials.front().x(), 0.1);
    QCOMPARE(trials.back().x(), s.window.lastSearchRecord()->trials.back().guess);
    QVERIFY2(labelText(*s.explore, "Lbl_ShootingNote").contains("Of its 3001 trials the map draws 400"),
             qPrintable(labelText(*s.explore, "Lbl_ShootingNote")));
}

QTEST_MAIN(ExploreShootingTest)
#include "explore_shooting_test.moc"
