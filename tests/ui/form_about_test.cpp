// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: one instance, modeless and ownerless, shown as designed at every opening.
#include "ui/classic/form_about.h"
#include "ui_test_support.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace cuneola::testing;

class FormAboutTest : public QObject {
    Q_OBJECT
private slots:
    void notCreatedBeforeTheFirstClick();
    void secondClickRaisesTheSameWindow();
    void isModelessAndWithoutOwner();
    void calculateLeavesItOpen();
    void reopensInItsDesignedState();
    void labelsAsDesigned_data();
    void labelsAsDesigned();
    void creditLinesFitTheirWindow();
    void programRunsUntilTheLastWindowCloses();
};

void FormAboutTest::notCreatedBeforeTheFirstClick()
{
    TestWindow t;
    QVERIFY(t.window.aboutWindow() == nullptr);
}

void FormAboutTest::secondClickRaisesTheSameWindow()
{
    TestWindow t;
    t.window.Mn_About_Click();
    QPointer<Form_About> first = t.window.aboutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.window.Mn_About_Click();
    QCOMPARE(t.window.aboutWindow(), first.data());
    QVERIFY(QTest::qWaitForWindowActive(first));
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) shown += qobject_cast<Form_About*>(w) && w->isVisible();
    QCOMPARE(shown, 1);
    first->close();
}

void FormAboutTest::isModelessAndWithoutOwner()
{
    TestWindow t;
    t.window.Mn_About_Click();
    Form_About* about = t.window.aboutWindow();
    QVERIFY(about->isWindow());
    QVERIFY(about->parentWidget() == nullptr);
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QVERIFY(!about->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(about->windowTitle(), "About");
    QCOMPARE(about->size(), QSize(285, 282));
    QCOMPARE(about->palette().color(QPalette::Window), QColor(255, 255, 192));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(t.window.isEnabled());
    about->close();
}

void FormAboutTest::calculateLeavesItOpen()
{
    TestWindow t;
    t.window.Mn_About_Click();
    t.click("Command1");
    QVERIFY(t.window.aboutWindow()->isVisible());
    QCOMPARE(t.status(), "Iteration converged");
    t.window.aboutWindow()->close();
}

void FormAboutTest::reopensInItsDesignedState()
{
    TestWindow t;
    t.window.Mn_About_Click();
    QPointer<Form_About> about = t.window.aboutWindow();
    auto* title = about->findChild<QLabel*>("Label1");
    const QRect designed = title->geometry();
    title->setText("changed");
    title->move(0, 0);
    QVERIFY(about->close());
    QVERIFY(about); // closing keeps the one object
    QVERIFY(!about->isVisible());

    t.window.Mn_About_Click();
    QCOMPARE(t.window.aboutWindow(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(title->text(), "Cuneola");
    QCOMPARE(title->geometry(), designed);
    about->close();
}

void FormAboutTest::labelsAsDesigned_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("centred");
    const QColor plain; // the default text colour
    QTest::newRow("Label1") << "Cuneola" << QRect(1560, 240, 1215, 255) << QColor(255, 0, 0) << false;
    QTest::newRow("Label2") << "Application of the 4th order Runge-Kutta method with Gill modification "
                            << QRect(480, 720, 3135, 735) << QColor(0, 128, 0) << true;
    QTest::newRow("Label6") << "to Falkner-Skan and energy similarity equations" << QRect(600, 1560, 2895, 495)
                            << QColor(0, 0, 255) << true;
    QTest::newRow("Label3") << "for the boundary layer around a wedge" << QRect(840, 2160, 2415, 495)
                            << QColor(0, 128, 0) << true;
    QTest::newRow("Label8") << "last modified : 06 March 2008" << QRect(720, 3240, 2775, 255) << plain << false;
    QTest::newRow("Label4") << "for comments and questions e-mail to" << QRect(360, 3720, 3375, 255) << plain << false;
}

void FormAboutTest::labelsAsDesigned()
{
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(QColor, colour);
    QFETCH(bool, centred);
    Form_About about;
    auto* label = control<QLabel>(about, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(label->palette().color(QPalette::WindowText),
             colour.isValid() ? colour : about.palette().color(QPalette::WindowText));
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY(label->wordWrap());
    QVERIFY(!label->accessibleName().isEmpty());
}

// The credit and the contact come from the build and may be longer than the design's
// boxes; each must stay one whole line inside the window.
void FormAboutTest::creditLinesFitTheirWindow()
{
    Form_About about;
    auto* credit = control<QLabel>(about, "Label7");
    auto* contact = control<QLabel>(about, "Label5");
    QCOMPARE(credit->text(), Form_About::authorCredit());
    QVERIFY(credit->text().startsWith("developed by "));
    QVERIFY(credit->text().size() > 13);
    QVERIFY(!Form_About::contactAddress().isEmpty());
    QCOMPARE(contact->text(), Form_About::contactAddress());
    QCOMPARE(contact->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    for (QLabel* label : {credit, contact}) {
        QVERIFY(label->geometry().left() >= 0);
        QVERIFY(label->geometry().right() < about.width());
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    }
    QCOMPARE(credit->y(), 200);
    QCOMPARE(contact->y(), 264);
}

// Runs the real event loop: the application quits on its own once no window is left.
void FormAboutTest::programRunsUntilTheLastWindowCloses()
{
    QVERIFY(QApplication::quitOnLastWindowClosed());
    auto window = std::make_unique<TestWindow>();
    window->window.Mn_About_Click();
    QPointer<Form_About> about = window->window.aboutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(about));

    QObject context; // cancels the timers below when the test ends
    bool aboutOpenAfterMainClosed = false;
    QTimer::singleShot(0, &context, [&] { window->window.close(); });
    QTimer::singleShot(200, &context, [&] {
        aboutOpenAfterMainClosed = about && about->isVisible();
        about->close();
    });
    QTimer::singleShot(10'000, &context, [] { QCoreApplication::exit(2); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(aboutOpenAfterMainClosed);
}

// The test closes its last windows on purpose; the test runner must outlive that.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    FormAboutTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "form_about_test.moc"
