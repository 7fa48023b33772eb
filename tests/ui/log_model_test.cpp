// SPDX-License-Identifier: GPL-3.0-or-later
// The log's lines: kept in order, exactly as appended, and cleared for each new search.
#include "ui/classic/log_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class LogModelTest : public QObject {
    Q_OBJECT
private slots:
    void linesComeBackAsAppended_data();
    void linesComeBackAsAppended();
    void clearingEmptiesAndAppendingStartsAgain();
    void rowsOutsideTheLogAreEmpty();
    void modelContractHolds();
};

void LogModelTest::linesComeBackAsAppended_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("header, blank and a row") << QStringList{" Iter       f''(0)           df''(0)          f'(oo)", " ",
                                                            "  0       0.2000       0.1000       0.3566"};
    QTest::newRow("empty lines keep their place") << QStringList{"", "a", "", ""};
    QTest::newRow("Greek letters survive") << QStringList{"Δη = 0.01", "β"};
}

void LogModelTest::linesComeBackAsAppended()
{
    QFETCH(QStringList, lines);
    LogModel log;
    for (const QString& line : lines) log.append(line.toStdString());
    QCOMPARE(log.rowCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(log.line(i), lines[i]);
        QCOMPARE(log.data(log.index(i), Qt::DisplayRole).toString(), lines[i]);
    }
}

void LogModelTest::clearingEmptiesAndAppendingStartsAgain()
{
    LogModel log;
    QSignalSpy reset(&log, &QAbstractItemModel::modelReset);
    log.append("old");
    log.append("older");
    log.clear();
    QCOMPARE(log.rowCount(), 0);
    QCOMPARE(reset.count(), 1);
    log.append("new");
    QCOMPARE(log.line(0), "new");
    QCOMPARE(log.rowCount(), 1);
}

void LogModelTest::rowsOutsideTheLogAreEmpty()
{
    LogModel log;
    log.append("only");
    QCOMPARE(log.line(-1), QString());
    QCOMPARE(log.line(1), QString());
    QVERIFY(!log.data(log.index(1)).isValid());
    QCOMPARE(log.rowCount(log.index(0)), 0); // a list: no row has children
}

void LogModelTest::modelContractHolds()
{
    LogModel log;
    QAbstractItemModelTester tester(&log, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 50; ++i) log.append(std::to_string(i));
    log.clear();
    log.append("again");
}

QTEST_GUILESS_MAIN(LogModelTest)
#include "log_model_test.moc"
