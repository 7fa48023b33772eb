// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile inputs typed into the real window: each ends in a result, a plain refusal
// or a reported fault, and leaves the window consistent.
#include "numbertext/number_text.h"
#include "solver/input_check.h"
#include "ui_test_support.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cmath>

using namespace cuneola::testing;
using cuneola::SearchOutcome;

namespace {

// How a case must end: with a status (converged or not), refused, or in one of the faults.
enum class Ends { Result, Refused, MarchOutOfRange, GuessOutOfRange };

// The boxes a Calculate writes back.
QStringList writtenBoxes(const char* button)
{
    return QByteArray(button) == "Command1" ? QStringList{"Text_F0_2w", "Text_dF0_2w"}
                                            : QStringList{"Text_F1_1w", "Text_dF1_1w"};
}

} // namespace

Q_DECLARE_METATYPE(Ends)

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    void endsConsistently_data();
    void endsConsistently();
    void everyBoxSurvivesEveryNastyText();
};

void HostileInputTest::endsConsistently_data()
{
    QTest::addColumn<QStringList>("assignments"); // box, text, box, text ...
    QTest::addColumn<QString>("button");
    QTest::addColumn<Ends>("ends");
    QTest::addColumn<QString>("mentions"); // in the warning, when there is one

    auto add = [](const char* name, QStringList a, const char* button, Ends ends, const char* mentions = "") {
        QTest::newRow(name) << a << QString::fromLatin1(button) << ends << QString::fromUtf8(mentions);
    };
    add("eta step zero", {"Text_h", "0"}, "Command1", Ends::Refused, "Δη");
    add("eta step negative", {"Text_h", "-0.01"}, "Command1", Ends::Refused, "Δη");
    add("eta step empty", {"Text_h", ""}, "Command3", Ends::Refused, "Δη");
    add("eta max zero", {"Text_xMax", "0"}, "Command1", Ends::Refused, "η max");
    add("eta max negative", {"Text_xMax", "-10"}, "Command1", Ends::Result);
    add("f min equals f max", {"Text_yMin", "1.5"}, "Command1", Ends::Refused, "f min");
    add("f min above f max", {"Text_yMin", "2", "Text_yMax", "-1"}, "Command1", Ends::Result);
    add("beta beyond double", {"Text_Beta", "1e400"}, "Command1", Ends::Refused, "\"β\"");
    add("negative beyond double", {"Text_Beta", "-1e400"}, "Command3", Ends::Refused, "\"β\"");
    add("hex beyond 32 bits", {"Text_F0_2w", "&HFFFFFFFFF"}, "Command1", Ends::Refused, "f''(0)");
    add("octal prefix alone", {"Text_F0_2w", "&O"}, "Command1", Ends::Result);
    add("lone point", {"Text_Beta", "."}, "Command1", Ends::Result);
    add("lone minus", {"Text_Beta", "-"}, "Command1", Ends::Result);
    add("exponent without digits", {"Text_xMax", "1e"}, "Command1", Ends::Result);
    add("comma decimal", {"Text_Pr", "1,5"}, "Command3", Ends::Result);
    add("ten thousand digits", {"Text_Eps", QString(10000, '9')}, "Command1", Ends::Refused, "ε");
    add("ten thousand blanks", {"Text_MaxIter", QString(10000, ' ') + "3"}, "Command1", Ends::Result);
    add("huge curvature is cut off", {"Text_F0_2w", "1E+30"}, "Command1", Ends::Result);
    add("stagnation point overshoot", {"Text_Beta", "1", "Text_F0_2w", "2"}, "Command1", Ends::MarchOutOfRange,
        "momentum search");
    add("tolerance zero", {"Text_Eps", "0"}, "Command1", Ends::Result);
    add("limit negative", {"Text_MaxIter", "-5"}, "Command1", Ends::Result);
    add("limit with fraction", {"Text_MaxIter", "2.5"}, "Command3", Ends::Result);
    add("astronomical limit with zero step", {"Text_MaxIter", "1E+300", "Text_dF0_2w", "0"}, "Command1", Ends::Refused,
        "MaxIter");
    add("largest limit with zero step", {"Text_MaxIter", "100000", "Text_dF0_2w", "0", "Text_xMax", "0.01"}, "Command1",
        Ends::Result);
    add("limit beyond the largest", {"Text_MaxIter", "100001"}, "Command1", Ends::Refused, "MaxIter");
    add("Prandtl astronomical", {"Text_Pr", "1E+300"}, "Command3", Ends::MarchOutOfRange, "energy search");
    add("step beyond double range", {"Text_F0_2w", "1.7e308", "Text_dF0_2w", "1.7e308", "Text_xMax", "-1"}, "Command1",
        Ends::GuessOutOfRange, "trial step");
    add("plot limit beyond single", {"Text_yMax", "1e39"}, "Command1", Ends::Refused, "f max");
}

void HostileInputTest::endsConsistently()
{
    QFETCH(QStringList, assignments);
    QFETCH(QString, button);
    QFETCH(Ends, ends);
    QFETCH(QString, mentions);

    TestWindow w;
    w.click("Command1"); // a log, a status and a plot to lose
    w.warnings.clear();
    for (int i = 0; i + 1 < assignments.size(); i += 2) w.setText(assignments[i], assignments[i + 1]);
    const WindowSnapshot before(w.window);

    QElapsedTimer timer;
    timer.start();
    w.click(qPrintable(button));
    const qint64 elapsed = timer.elapsed();
    const SearchOutcome outcome = w.window.lastResult().outcome;
    qInfo("%s: outcome %d after %lld marches in %lld ms; %s", QTest::currentDataTag(), int(outcome),
          static_cast<long long>(w.window.lastResult().marches), elapsed, qPrintable(w.warnings.value(0, w.status())));

    const WindowSnapshot after(w.window);
    const QStringList written = writtenBoxes(qPrintable(button));
    for (int i = 0; i < kInputBoxNames.size(); ++i) {
        if (!written.contains(kInputBoxNames[i])) QCOMPARE(after.texts[i], before.texts[i]);
    }

    if (outcome == SearchOutcome::Refused) {
        QCOMPARE(after, before);
    } else if (cuneola::isFault(outcome)) {
        QCOMPARE(after.texts, before.texts);
        QCOMPARE(after.status, QString());
    } else {
        QVERIFY(w.warnings.isEmpty());
        QCOMPARE(after.status, outcome == SearchOutcome::Converged ? QString("Iteration converged")
                                                                   : QString("Iteration not converged"));
        // The written-back texts are numbers the next click reads as they stand.
        for (const QString& box : written) {
            const QByteArray text = w.text(box).toUtf8();
            const cuneola::ValResult r = cuneola::readVal(text.toStdString());
            QCOMPARE(r.status, cuneola::ValStatus::Ok);
            QCOMPARE(QString::fromStdString(cuneola::numberToText(r.value)), w.text(box));
        }
    }
    if (outcome == SearchOutcome::Refused || cuneola::isFault(outcome)) {
        QCOMPARE(w.warnings.size(), 1);
        QVERIFY2(w.warnings[0].contains(mentions), qPrintable(w.warnings[0]));
    }
    switch (ends) {
    case Ends::Result:
        QVERIFY2(outcome == SearchOutcome::Converged || outcome == SearchOutcome::NotConverged,
                 qPrintable(w.warnings.join('\n')));
        break;
    case Ends::Refused: QCOMPARE(outcome, SearchOutcome::Refused); break;
    case Ends::MarchOutOfRange: QCOMPARE(outcome, SearchOutcome::MarchOutOfRange); break;
    case Ends::GuessOutOfRange: QCOMPARE(outcome, SearchOutcome::GuessOutOfRange); break;
    }
}

// Every box, both buttons, one nasty text at a time: no crash, no hang, and the
// other boxes keep their texts.
void HostileInputTest::everyBoxSurvivesEveryNastyText()
{
    const QStringList nasty = {"",    "   ", "1e400", "-1e400", "&HFFFFFFFFF",       "&O",
                               ".",   "-",   "1e",    "1,5",    QString(10000, '7'), "0." + QString(9998, '3'),
                               "nan", "inf", "\t\n",  "1e-400"};
    for (const char* button : {"Command1", "Command3"}) {
        for (const QString& box : kInputBoxNames) {
            for (const QString& text : nasty) {
                Form_Main fresh;
                fresh.setWarningHandler([](const QString&) {});
                fresh.findChild<QLineEdit*>(box)->setText(text);
                const WindowSnapshot before(fresh);
                QTest::mouseClick(fresh.findChild<QPushButton*>(button), Qt::LeftButton);
                const WindowSnapshot after(fresh);
                const QStringList written = writtenBoxes(button);
                for (int i = 0; i < kInputBoxNames.size(); ++i) {
                    if (!written.contains(kInputBoxNames[i]))
                        QVERIFY2(after.texts[i] == before.texts[i], qPrintable(box + " <- " + text.left(20)));
                }
                if (fresh.lastResult().outcome == SearchOutcome::Refused) QVERIFY(after == before);
            }
        }
    }
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
