// SPDX-License-Identifier: GPL-3.0-or-later
// What the window offers beyond a calculation: tooltips, copying the log and the plot, the icon.
#include "ui/classic/form_about.h"
#include "ui_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QListView>
#include <QtTest>

using namespace cuneola::testing;

namespace {

QAction* action(const QWidget& owner, const char* name)
{
    for (QAction* a : owner.actions())
        if (a->objectName() == QLatin1String(name)) return a;
    qFatal("no action %s", name);
}

QMap<QString, QRect> controlPlaces(const Form_Main& window)
{
    QMap<QString, QRect> places;
    for (QWidget* w : window.centralWidget()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) places[w->objectName()] = w->geometry();
    return places;
}

} // namespace

class CopyAndHintsTest : public QObject {
    Q_OBJECT
private slots:
    void everyBoxExplainsItself_data();
    void everyBoxExplainsItself();
    void copyLog_data();
    void copyLog();
    void copyOfAnEmptyLogIsEmpty();
    void copyPlotGivesTheRetainedImage();
    void copyingChangesNothing();
    void bothWindowsShowTheIcon();
    void longResultShowsItsLeadingDigits();
    void logEndsInViewAfterARun();
};

void CopyAndHintsTest::everyBoxExplainsItself_data()
{
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("Text_Beta") << QStringList{"wedge parameter", "0 for a flat plate", "1 for a stagnation point"};
    QTest::newRow("Text_F0_2w") << QStringList{"f''(0)", "first guess", "result"};
    QTest::newRow("Text_dF0_2w") << QStringList{"f''(0)", "trial"};
    QTest::newRow("Text_Pr") << QStringList{"Prandtl number"};
    QTest::newRow("Text_F1_1w") << QStringList{"g'(0)", "first guess", "result"};
    QTest::newRow("Text_dF1_1w") << QStringList{"g'(0)", "trial"};
    QTest::newRow("Text_h") << QStringList{"Δη", "step"};
    QTest::newRow("Text_Eps") << QStringList{"tolerance", "ε"};
    QTest::newRow("Text_MaxIter") << QStringList{"trials", "Iteration not converged"};
    QTest::newRow("Text_xMax") << QStringList{"η max", "right edge"};
    QTest::newRow("Text_yMax") << QStringList{"top edge"};
    QTest::newRow("Text_yMin") << QStringList{"bottom edge", "f'"};
    QTest::newRow("Command1") << QStringList{"f''(0)", "η max"};
    QTest::newRow("Command3") << QStringList{"g'(0)", "f''(0)"};
}

void CopyAndHintsTest::everyBoxExplainsItself()
{
    QFETCH(QStringList, mentions);
    Form_Main window;
    const QString tip = control(window, QString::fromLatin1(QTest::currentDataTag()))->toolTip();
    QVERIFY2(tip.front().isUpper() && tip.endsWith('.'), qPrintable(tip)); // a sentence
    for (const QString& words : mentions) QVERIFY2(tip.contains(words), qPrintable(tip + " / " + words));
}

void CopyAndHintsTest::copyLog_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("copied"); // empty: the whole log
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("nothing selected, menu: the whole log") << QList<int>{} << QList<int>{} << false;
    QTest::newRow("nothing selected, Ctrl+C: the whole log") << QList<int>{} << QList<int>{} << true;
    QTest::newRow("one line, menu") << QList<int>{4} << QList<int>{4} << false;
    QTest::newRow("one line, Ctrl+C") << QList<int>{9} << QList<int>{9} << true;
    QTest::newRow("lines picked out of order come in log order") << QList<int>{7, 0, 2} << QList<int>{0, 2, 7} << true;
}

void CopyAndHintsTest::copyLog()
{
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, copied);
    QFETCH(bool, byKeyboard);
    TestWindow t;
    t.click("Command1");
    auto* list = control<QListView>(t.window, "List1");
    for (int row : selected)
        list->selectionModel()->select(t.window.logModel()->index(row), QItemSelectionModel::Select);
    QGuiApplication::clipboard()->clear();

    if (byKeyboard) {
        list->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    } else {
        QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
        action(*list, "copyLogAction")->trigger();
    }

    const QStringList lines = logLines(t.window);
    QCOMPARE(lines.size(), 10);
    QString expected;
    if (copied.isEmpty())
        for (const QString& line : lines) expected += line + '\n';
    for (int row : copied) expected += lines[row] + '\n';
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
}

void CopyAndHintsTest::copyOfAnEmptyLogIsEmpty()
{
    TestWindow t;
    QGuiApplication::clipboard()->setText("before");
    action(*control(t.window, "List1"), "copyLogAction")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void CopyAndHintsTest::copyPlotGivesTheRetainedImage()
{
    TestWindow t;
    t.click("Command1");
    PlotArea* plot = t.window.plotArea();
    QCOMPARE(plot->contextMenuPolicy(), Qt::ActionsContextMenu);
    action(*plot, "copyPlotAction")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), plot->image().size());
    QVERIFY(copied == plot->image().convertToFormat(QImage::Format_RGB32));

    // The clipboard keeps the picture when the plot is redrawn.
    t.setText("Text_Beta", "1");
    t.click("Command1");
    QVERIFY(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == copied);
}

void CopyAndHintsTest::copyingChangesNothing()
{
    TestWindow t;
    t.click("Command1");
    const WindowSnapshot before(t.window);
    const auto places = controlPlaces(t.window);
    const QStringList files = QDir::current().entryList(QDir::AllEntries | QDir::Hidden);
    action(*control(t.window, "List1"), "copyLogAction")->trigger();
    action(*t.window.plotArea(), "copyPlotAction")->trigger();
    QVERIFY(WindowSnapshot(t.window) == before);
    QCOMPARE(controlPlaces(t.window), places);
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden), files);
    QCOMPARE(t.window.formValues().xMax, 10.0);
}

void CopyAndHintsTest::bothWindowsShowTheIcon()
{
    TestWindow t;
    t.window.Mn_About_Click();
    for (QWidget* window : {static_cast<QWidget*>(&t.window), static_cast<QWidget*>(t.window.aboutWindow())}) {
        const QIcon icon = window->windowIcon();
        QVERIFY2(!icon.isNull(), qPrintable(window->objectName()));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    }
    t.window.aboutWindow()->close();
}

// A written-back result longer than its box shows from its first digit.
void CopyAndHintsTest::longResultShowsItsLeadingDigits()
{
    TestWindow w;
    w.setText("Text_Eps", "0.000001");
    w.setText("Text_MaxIter", "200");
    w.setText("Text_F0_2w", "0.5");
    w.setText("Text_Beta", "0.3333333");
    w.click("Command1");
    QCOMPARE(w.text("Text_F0_2w"), QString("0.802125499999999"));
    QCOMPARE(control<QLineEdit>(w.window, "Text_F0_2w")->cursorPosition(), 0);
}

// The last rows tell how the search ended, so a run leaves them in view.
void CopyAndHintsTest::logEndsInViewAfterARun()
{
    TestWindow w;
    w.click("Command1");
    w.click("Command3");
    auto* list = control<QListView>(w.window, "List1");
    const QModelIndex last = w.window.logModel()->index(w.window.logModel()->rowCount() - 1);
    QVERIFY(list->viewport()->rect().intersects(list->visualRect(last)));
}

QTEST_MAIN(CopyAndHintsTest)
#include "copy_and_hints_test.moc"
