// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls as designed, both Calculate buttons, and refused inputs.
#include "solver/iteration_log.h"
#include "ui/classic/form_about.h"
#include "ui_test_support.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QListView>
#include <QMenuBar>
#include <QtTest>

using namespace cuneola::testing;

namespace {

QString row(int iter, const char* guess, const char* step, const char* outer)
{
    return QStringLiteral("  %1       %2       %3       %4").arg(iter).arg(guess, step, outer);
}

QString header(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace

class FormMainTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void captions_data();
    void captions();
    void inputBoxesHoldTheirDefaults_data();
    void inputBoxesHoldTheirDefaults();
    void clientAreaIsFixedBelowTheMenuBar();
    void aboutIsACommandOnTheMenuBar();
    void startsWithEmptyStatusLogAndPlot();
    void tabVisitsTheControlsInTheirOrder();
    void everyControlHasASpokenName();
    void enterInABoxStartsNothing();
    void momentumClickWithDefaultsConverges();
    void energyClickAfterMomentumRunsOut();
    void refusedInputChangesNothing_data();
    void refusedInputChangesNothing();
    void busyCursorEndsWithTheRun();
    void publicMarchUsesTheWindowsValuesAndPlot();
};

// Twips as designed; the window places them at 15 twips to the logical pixel.
void FormMainTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    auto add = [](const char* name, const char* parent, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(parent) << QRect(l, t, w, h);
    };
    add("Frame1", "Client", 120, 240, 1935, 1935);
    add("Frame2", "Client", 2160, 240, 1815, 1935);
    add("Frame4", "Client", 4080, 0, 1815, 2175);
    add("Frame3", "Client", 6000, 0, 1695, 2175);
    add("Picture1", "Client", 120, 2280, 4140, 3045);
    add("List1", "Client", 4320, 2280, 3375, 2985);
    add("Label10", "Frame1", 360, 360, 255, 255);
    add("Text_Beta", "Frame1", 840, 360, 855, 285);
    add("Label4", "Frame1", 240, 720, 495, 255);
    add("Text_F0_2w", "Frame1", 840, 720, 855, 285);
    add("Label11", "Frame1", 240, 1080, 615, 255);
    add("Text_dF0_2w", "Frame1", 840, 1080, 855, 255);
    add("Command1", "Frame1", 240, 1440, 1455, 375);
    add("Label22", "Frame2", 360, 360, 375, 255);
    add("Text_Pr", "Frame2", 840, 360, 735, 285);
    add("Label16", "Frame2", 240, 720, 495, 255);
    add("Text_F1_1w", "Frame2", 840, 720, 735, 285);
    add("Label15", "Frame2", 240, 1080, 615, 255);
    add("Text_dF1_1w", "Frame2", 840, 1080, 735, 255);
    add("Command3", "Frame2", 240, 1440, 1335, 375);
    add("Label1", "Frame4", 240, 480, 375, 255);
    add("Text_h", "Frame4", 720, 480, 855, 285);
    add("Label12", "Frame4", 240, 840, 255, 255);
    add("Text_Eps", "Frame4", 720, 840, 855, 285);
    add("Label5", "Frame4", 240, 1200, 735, 255);
    add("Text_MaxIter", "Frame4", 960, 1200, 615, 285);
    add("Label2", "Frame3", 240, 240, 615, 255);
    add("Label13", "Frame3", 360, 240, 615, 255);
    add("Text_xMax", "Frame3", 960, 240, 495, 285);
    add("Label3", "Frame3", 240, 600, 615, 255);
    add("Text_yMax", "Frame3", 960, 600, 495, 285);
    add("Label6", "Frame3", 240, 960, 615, 255);
    add("Text_yMin", "Frame3", 960, 960, 495, 285);
    add("Label7", "Frame3", 120, 1320, 1335, 255);
    add("Label8", "Frame3", 120, 1560, 1335, 255);
    add("Label9", "Frame3", 120, 1800, 1335, 255);
    add("Lbl_iter", "Picture1", 2160, 2640, 1695, 255);
}

void FormMainTest::controlsStandWhereDesigned()
{
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    Form_Main window;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* widget = control(window, name);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    // Inside the plot area, places count from within its border.
    const QPoint origin = parent == "Picture1" ? window.plotArea()->interiorOrigin() : QPoint();
    const QRect expected(twips.left() / 15, twips.top() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(widget->geometry(), expected.translated(origin));
}

void FormMainTest::captions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("Frame1") << "Falkner-Skan equation";
    QTest::newRow("Frame2") << "Energy equation";
    QTest::newRow("Frame4") << "Iteration parameters";
    QTest::newRow("Frame3") << "";
    QTest::newRow("Label10") << "β =";
    QTest::newRow("Label4") << "f ''(0) =";
    QTest::newRow("Label11") << "df''(0) =";
    QTest::newRow("Command1") << "Calculate";
    QTest::newRow("Label22") << "Pr =";
    QTest::newRow("Label16") << "g'(0) =";
    QTest::newRow("Label15") << "dg'(0) =";
    QTest::newRow("Command3") << "Calculate";
    QTest::newRow("Label1") << "Δη =";
    QTest::newRow("Label12") << "ε =";
    QTest::newRow("Label5") << "MaxIter =";
    QTest::newRow("Label2") << "η";
    QTest::newRow("Label13") << "max = ";
    QTest::newRow("Label3") << "f max =";
    QTest::newRow("Label6") << "f min =";
    QTest::newRow("Label7") << "  f     ----------  g";
    QTest::newRow("Label8") << "  f '    ---------  g'";
    QTest::newRow("Label9") << "  f ' '  ---------";
}

void FormMainTest::captions()
{
    QFETCH(QString, caption);
    Form_Main window;
    QWidget* widget = control(window, QString::fromLatin1(QTest::currentDataTag()));
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
    QCOMPARE(window.windowTitle(), "Cuneola - Solution of the Falkner-Skan and energy similarity equations");
}

void FormMainTest::inputBoxesHoldTheirDefaults_data()
{
    QTest::addColumn<QString>("text");
    for (const cuneola::InputBoxDesign& design : cuneola::kInputBoxes)
        QTest::newRow(design.name) << QString::fromUtf8(design.defaultText);
}

void FormMainTest::inputBoxesHoldTheirDefaults()
{
    QFETCH(QString, text);
    Form_Main window;
    auto* box = control<QLineEdit>(window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(box->text(), text);
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(box->maxLength() > 1'000'000);
}

void FormMainTest::clientAreaIsFixedBelowTheMenuBar()
{
    TestWindow t;
    QWidget* client = t.window.centralWidget();
    QCOMPARE(client->size(), QSize(519, 362));
    QCOMPARE(client->y(), t.window.menuBar()->geometry().bottom() + 1);
    const QSize before = t.window.size();
    t.window.resize(before + QSize(200, 150));
    QCOMPARE(t.window.size(), before);
    QCOMPARE(control(t.window, "Picture1")->geometry(), QRect(8, 152, 276, 203));
}

void FormMainTest::aboutIsACommandOnTheMenuBar()
{
    Form_Main window;
    const QList<QAction*> actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 2); // About, then Explore
    QCOMPARE(actions[0]->objectName(), "Mn_About");
    QCOMPARE(actions[0]->text(), "About");
    QVERIFY(actions[0]->menu() == nullptr);
    actions[0]->trigger();
    QVERIFY(window.aboutWindow() != nullptr);
    QVERIFY(window.aboutWindow()->isVisible());
    window.aboutWindow()->close();
}

void FormMainTest::startsWithEmptyStatusLogAndPlot()
{
    TestWindow t;
    QCOMPARE(t.status(), QString());
    QCOMPARE(t.window.logModel()->rowCount(), 0);
    QVERIFY(control<QListView>(t.window, "List1")->model() == t.window.logModel());
    const QImage& plot = t.window.plotArea()->image();
    QVERIFY(!plot.isNull());
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x) QCOMPARE(plot.pixel(x, y), PlotArea::kBackground);
    const auto colours = t.window.formValues().Colors;
    QCOMPARE(colours[0], 255);
    QCOMPARE(colours[1], 16711680);
    QCOMPARE(colours[2], 65280);
}

void FormMainTest::tabVisitsTheControlsInTheirOrder()
{
    TestWindow t;
    const QStringList expected = {"Text_dF0_2w", "Text_F0_2w", "Command1",  "Command3",   "Text_Pr",      "Text_F1_1w",
                                  "Text_dF1_1w", "Text_yMin",  "Text_yMax", "Text_xMax",  "Text_MaxIter", "Text_Eps",
                                  "Text_h",      "List1",      "Text_Beta", "Text_dF0_2w"};
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    QCOMPARE(QApplication::focusWidget()->objectName(), expected[0]);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected[i]);
    }
}

void FormMainTest::everyControlHasASpokenName()
{
    Form_Main window;
    const QList<QWidget*> widgets = window.centralWidget()->findChildren<QWidget*>();
    int named = 0;
    for (QWidget* widget : widgets) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        ++named;
    }
    QCOMPARE(named, 37);
}

void FormMainTest::enterInABoxStartsNothing()
{
    TestWindow t;
    for (const QString& name : kInputBoxNames) QTest::keyClick(control(t.window, name), Qt::Key_Return);
    QTest::keyClick(control(t.window, "Text_h"), Qt::Key_Escape);
    QCOMPARE(t.window.logModel()->rowCount(), 0);
    QCOMPARE(t.status(), QString());
    QVERIFY(t.window.isVisible());
}

void FormMainTest::momentumClickWithDefaultsConverges()
{
    TestWindow t;
    t.click("Command1");
    QCOMPARE(logLines(t.window),
             (QStringList{header(cuneola::kMomentumLogHeader), " ", row(0, "0.2000", "0.1000", "0.3566"),
                          row(1, "0.2000", "0.1000", "0.5661"), row(2, "0.3000", "0.1000", "0.7418"),
                          row(3, "0.4000", "0.1000", "0.8986"), row(4, "0.5000", "0.1000", "1.0427"),
                          row(5, "0.4900", "-0.0100", "1.0288"), row(6, "0.4800", "-0.0100", "1.0147"),
                          row(7, "0.4700", "-0.0100", "1.0006")}));
    QCOMPARE(t.status(), "Iteration converged");
    QCOMPARE(t.text("Text_F0_2w"), "0.47");
    QCOMPARE(t.text("Text_dF0_2w"), "0.01");
    QVERIFY(t.warnings.isEmpty());
}

void FormMainTest::energyClickAfterMomentumRunsOut()
{
    TestWindow t;
    t.click("Command1");
    t.click("Command3");
    QCOMPARE(logLines(t.window),
             (QStringList{header(cuneola::kEnergyLogHeader), " ", row(0, "-0.9000", "0.1000", "-2.1289"),
                          row(1, "-0.9000", "0.1000", "-1.9160"), row(2, "-0.8000", "0.1000", "-1.7031"),
                          row(3, "-0.7000", "0.1000", "-1.4902"), row(4, "-0.6000", "0.1000", "-1.2773"),
                          row(5, "-0.5000", "0.1000", "-1.0644"), row(6, "-0.4000", "0.1000", "-0.8515"),
                          row(7, "-0.3000", "0.1000", "-0.6387"), row(8, "-0.2000", "0.1000", "-0.4258"),
                          row(9, "-0.1000", "0.1000", "-0.2129"), row(10, "0.0000", "0.1000", "0.0000"),
                          row(11, "0.1000", "0.1000", "0.2129"), row(12, "0.2000", "0.1000", "0.4258"),
                          row(13, "0.3000", "0.1000", "0.6387"), row(14, "0.4000", "0.1000", "0.8515"),
                          row(15, "0.5000", "0.1000", "1.0644")}));
    QCOMPARE(t.status(), "Iteration not converged");
    QCOMPARE(t.text("Text_F1_1w"), "0.49");
    QCOMPARE(t.text("Text_dF1_1w"), "0.01");
    QCOMPARE(t.text("Text_F0_2w"), "0.47");
}

void FormMainTest::refusedInputChangesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("mentions");
    auto add = [](const char* name, const char* box, const char* text, const char* button, const char* mentions) {
        QTest::newRow(name) << QString::fromUtf8(box) << QString::fromUtf8(text) << QString::fromUtf8(button)
                            << QString::fromUtf8(mentions);
    };
    add("zero step, momentum", "Text_h", "0", "Command1", "Δη");
    add("zero step, energy", "Text_h", "0", "Command3", "Δη");
    add("empty eta max", "Text_xMax", "", "Command1", "η max");
    add("flat plot", "Text_yMin", "1.5", "Command3", "f min");
    add("beta beyond doubles", "Text_Beta", "1e400", "Command1", "β");
    add("Prandtl beyond 32-bit hex", "Text_Pr", "&H1FFFFFFFF", "Command3", "Pr");
}

void FormMainTest::refusedInputChangesNothing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, mentions);
    TestWindow t;
    t.click("Command1"); // something on the plot, in the log and in the status
    t.setText(box, text);
    const WindowSnapshot before(t.window);
    t.click(qPrintable(button));
    QCOMPARE(t.warnings.size(), 1);
    QVERIFY2(t.warnings[0].contains(mentions), qPrintable(t.warnings[0]));
    QVERIFY(WindowSnapshot(t.window) == before);
    QCOMPARE(t.window.lastResult().outcome, cuneola::SearchOutcome::Refused);
}

void FormMainTest::busyCursorEndsWithTheRun()
{
    TestWindow t;
    int overridesDuringWarning = -1;
    t.window.setWarningHandler(
        [&](const QString&) { overridesDuringWarning = QGuiApplication::overrideCursor() ? 1 : 0; });
    t.click("Command1");
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    t.setText("Text_h", "0");
    t.click("Command1");
    QCOMPARE(overridesDuringWarning, 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

// RK4G of the window marches with the form values of the last click and draws on Picture1.
void FormMainTest::publicMarchUsesTheWindowsValuesAndPlot()
{
    TestWindow t;
    t.click("Command1");
    const QImage afterClick = t.window.plotArea()->image().copy();
    t.window.plotArea()->Cls();
    double outerSlope = 0.0;
    double outerTemperature = -7.0;
    const cuneola::MarchOutcome outcome = t.window.RK4G(0.0, 0.0, 0.47, outerSlope, 0.0, 0.0, outerTemperature);
    QVERIFY(outcome.finished);
    QVERIFY(std::abs(outerSlope - 1.0006) < 5e-5); // row 7 of the log
    QCOMPARE(outerTemperature, -7.0);              // the momentum march leaves g alone
    QVERIFY(t.window.plotArea()->image() == afterClick);
}

QTEST_MAIN(FormMainTest)
#include "form_main_test.moc"
