// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's Sweep tab: one row per typed β and Pr, missing values in words, a refused list, the CSV.
#include "explore_test_support.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace cuneola::testing;

namespace {

struct Sweep {
    ExploreSession s;
    Sweep() { s.open(); }
    QAbstractItemModel* table() const { return control<QTableView>(*s.explore, "Table_Sweep")->model(); }
    QString note() const { return control<QLabel>(*s.explore, "Lbl_SweepNote")->text(); }
    QString cell(int row, int column) const { return table()->index(row, column).data().toString(); }
    // Types the lists and computes, waiting for the rows.
    void compute(const QString& betas, const QString& Prs)
    {
        control<QLineEdit>(*s.explore, "Edit_SweepBetas")->setText(betas);
        control<QLineEdit>(*s.explore, "Edit_SweepPrs")->setText(Prs);
        QTest::mouseClick(control<QPushButton>(*s.explore, "Command_ComputeSweep"), Qt::LeftButton);
        WAIT_UNTIL_IDLE(*s.explore);
    }
};

} // namespace

class ExploreSweepTest : public QObject {
    Q_OBJECT
private slots:
    void oneRowPerInput_data();
    void oneRowPerInput();
    void aRefusedRequestChangesNothing_data();
    void aRefusedRequestChangesNothing();
    void aChangeOfTheInputsTheRowsUseStopsTheRun_data();
    void aChangeOfTheInputsTheRowsUseStopsTheRun();
    void csvKeepsTheFullStopUnderAGermanLocale();
};

void ExploreSweepTest::oneRowPerInput_data()
{
    QTest::addColumn<QString>("betas");
    QTest::addColumn<QString>("Prs");
    QTest::addColumn<QStringList>("inputs"); // "β Pr" of each row
    QTest::addColumn<QString>("wallShear");  // the first row's f''(0), to the published digits
    QTest::newRow("2×2, β outer; Blasius f''(0) = 0.4696")
        << "0 0.5"
        << "0.7 1" << QStringList{"0 0.7", "0 1", "0.5 0.7", "0.5 1"} << "0.4696";
    QTest::newRow("beyond separation, Pr of the inputs") << "-0.3"
                                                         << "" << QStringList{"-0.3 1"} << "no solution (separated)";
}

void ExploreSweepTest::oneRowPerInput()
{
    QFETCH(QString, betas);
    QFETCH(QString, Prs);
    QFETCH(QStringList, inputs);
    QFETCH(QString, wallShear);
    Sweep w;
    w.compute(betas, Prs);
    QStringList rows;
    for (int r = 0; r < w.table()->rowCount(); ++r) rows << w.cell(r, 0) + ' ' + w.cell(r, 1);
    QCOMPARE(rows, inputs);
    QCOMPARE(w.table()->headerData(2, Qt::Horizontal).toString(), "f''(0)");
    const QString shown = w.cell(0, 2);
    bool number = false;
    const double value = shown.toDouble(&number);
    QVERIFY2(shown == wallShear || (number && std::fabs(value - wallShear.toDouble()) < 5e-5), qPrintable(shown));
    // A missing value says why in its tool tip; a value needs none.
    QCOMPARE(w.table()->index(0, 2).data(Qt::ToolTipRole).toString().isEmpty(), !wallShear.startsWith("no"));
}

void ExploreSweepTest::aRefusedRequestChangesNothing_data()
{
    QTest::addColumn<QString>("betas");
    QTest::addColumn<QString>("Prs");
    QString fifty;
    for (int i = 0; i < 50; ++i) fifty += QString::number(i) + ' ';
    QTest::newRow("a comma as the point") << "0,5"
                                          << "";
    QTest::newRow("neither list") << ""
                                  << "";
    QTest::newRow("2500 rows") << fifty << fifty;
}

void ExploreSweepTest::aRefusedRequestChangesNothing()
{
    QFETCH(QString, betas);
    QFETCH(QString, Prs);
    Sweep w;
    w.compute("0", "");
    const QString before = w.cell(0, 2);
    w.compute(betas, Prs);
    QVERIFY(!w.note().isEmpty());
    QCOMPARE(w.table()->rowCount(), 1);
    QCOMPARE(w.cell(0, 2), before);
}

void ExploreSweepTest::aChangeOfTheInputsTheRowsUseStopsTheRun_data()
{
    QTest::addColumn<bool>("changePr"); // else β, which the β list replaces
    QTest::addColumn<int>("rows");
    QTest::newRow("Pr above, no Pr list: stopped") << true << 0;
    QTest::newRow("β above, a β list: runs on") << false << 2;
}

void ExploreSweepTest::aChangeOfTheInputsTheRowsUseStopsTheRun()
{
    QFETCH(bool, changePr);
    QFETCH(int, rows);
    Sweep w;
    control<QLineEdit>(*w.s.explore, "Edit_SweepBetas")->setText("0 0.5");
    QTest::mouseClick(control<QPushButton>(*w.s.explore, "Command_ComputeSweep"), Qt::LeftButton);
    // Before the event loop could deliver the rows.
    if (changePr)
        w.s.Pr()->setValue(2.0);
    else
        w.s.beta()->setValue(0.25);
    WAIT_UNTIL_IDLE(*w.s.explore);
    QCOMPARE(w.table()->rowCount(), rows);
}

void ExploreSweepTest::csvKeepsTheFullStopUnderAGermanLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Sweep w;
    w.s.Pr()->setValue(0.7);
    w.compute("0 0.5", "");
    QTemporaryDir dir;
    Answers answers;
    answers.path = dir.filePath("sweep.csv");
    QTest::mouseClick(control<QPushButton>(*w.s.explore, "Command_SaveSweep"), Qt::LeftButton);
    QVERIFY(answers.warnings.isEmpty());
    const QStringList csv = QString::fromUtf8(contents(answers.path)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(csv.size(), 4);
    QCOMPARE(csv[0], "# Sweep: branch attached, Pr = 0.7, isothermal wall, f_w = 0");
    QVERIFY2(csv[1].startsWith("β,Pr,f''(0),g'(0),"), qPrintable(csv[1]));
    const QStringList first = csv[2].split(',');
    QCOMPARE(first.size(), w.table()->columnCount());
    QCOMPARE(first[1], "7E-01");
    QVERIFY2(first[2].startsWith("4.6959998") && first[2].endsWith("E-01"), qPrintable(first[2]));
    QLocale::setDefault(saved);
}

QTEST_MAIN(ExploreSweepTest)
#include "explore_sweep_test.moc"
