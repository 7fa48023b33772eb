// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's tables and figures for a report: the profile table, its copy and CSV, and charts saved as PNG, SVG and PDF.
#include "explore_test_support.h"
#include "ui/charts/figure_export.h"
#include "ui/common/save_file.h"
#include "ui/explore/profile_panel.h"
#include "ui/explore/profile_table_model.h"
#include "ui/explore/wedge_picture.h"
#include "ui/explore/wedge_tab.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTableView>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>
#include <cmath>

using namespace cuneola::testing;
using Column = ProfileTableModel::Column;

namespace {

// The Blasius f'(3) by a classic RK4 march of f''' = -f f'' from the table's f''(0),
// at a step small enough (1e-4) for an error far below 1e-9.
double blasiusSlopeAt3(double wallShear)
{
    std::array<double, 3> y{0.0, 0.0, wallShear};
    const auto rhs = [](const std::array<double, 3>& v) { return std::array<double, 3>{v[1], v[2], -v[0] * v[2]}; };
    const double h = 1e-4;
    for (int i = 0; i < 30000; ++i) {
        const auto k1 = rhs(y);
        std::array<double, 3> t{};
        for (int j = 0; j < 3; ++j) t[j] = y[j] + h / 2 * k1[j];
        const auto k2 = rhs(t);
        for (int j = 0; j < 3; ++j) t[j] = y[j] + h / 2 * k2[j];
        const auto k3 = rhs(t);
        for (int j = 0; j < 3; ++j) t[j] = y[j] + h * k3[j];
        const auto k4 = rhs(t);
        for (int j = 0; j < 3; ++j) y[j] += h / 6 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
    }
    return y[1];
}

QAction* saveImage(const Form_Explore& explore, const char* view)
{
    return control(explore, QLatin1String(view))->findChild<QAction*>("saveImageAction");
}

} // namespace

class ExploreReportsTest : public QObject {
    Q_OBJECT
private slots:
    void profileTableAgreesWithTheExactSolution();
    void profileRowsFollowStepAndEnd_data();
    void profileRowsFollowStepAndEnd();
    void profilesCopyAndSaveAsCsv();
    void chartsSaveAsVectorsAndPixels();
    void aSaveThatFailsSaysSoAndWritesNothing();
};

void ExploreReportsTest::profileTableAgreesWithTheExactSolution()
{
    ExploreSession s;
    s.open();
    s.explore->solutionTab()->profilePanel()->fill();
    const ProfileTableModel* model = s.explore->solutionTab()->profilePanel()->model();
    QCOMPARE(model->index(0, Column::EtaColumn).data().toString(), "0");
    QCOMPARE(model->index(0, Column::FppColumn).data().toString(),
             cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn));
    QCOMPARE(model->index(6, Column::EtaColumn).data().toString(), "3");
    const double wallShear = cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn).toDouble();
    QVERIFY(std::fabs(model->index(6, Column::FpColumn).data().toDouble() - blasiusSlopeAt3(wallShear)) < 1e-9);
}

void ExploreReportsTest::profileRowsFollowStepAndEnd_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    QTest::newRow("default") << 0.5 << 8.0 << 17 << "8";
    QTest::newRow("a step that does not divide the end") << 0.3 << 1.0 << 4 << "0.9";
    QTest::newRow("tenths add up to the end exactly") << 0.1 << 8.0 << 81 << "8";
    QTest::newRow("ten thousand rows") << 0.001 << 10.0 << 10001 << "10";
    QTest::newRow("beyond eta_inf in closed form") << 5.0 << 100.0 << 21 << "100";
}

void ExploreReportsTest::profileRowsFollowStepAndEnd()
{
    QFETCH(double, step);
    QFETCH(double, end);
    QFETCH(int, rows);
    QFETCH(QString, last);
    ExploreSession s;
    s.open();
    control<QDoubleSpinBox>(*s.explore, "Spin_ProfileStep")->setValue(step);
    control<QDoubleSpinBox>(*s.explore, "Spin_ProfileEnd")->setValue(end);
    s.explore->solutionTab()->profilePanel()->fill();
    const ProfileTableModel* model = s.explore->solutionTab()->profilePanel()->model();
    QCOMPARE(model->rowCount(), rows);
    QCOMPARE(model->index(rows - 1, Column::EtaColumn).data().toString(), last);
    QCOMPARE(model->index(rows - 1, Column::GColumn).data().toString().isEmpty(), false);
}

void ExploreReportsTest::profilesCopyAndSaveAsCsv()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ExploreSession s;
    s.open();
    s.Pr()->setValue(0.7);
    auto* table = control<QTableView>(*s.explore, "Table_Profiles");
    table->findChild<QAction*>("copyProfilesAction")->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 19);
    QVERIFY2(lines[0].startsWith("Profiles: β = 0, branch attached, Pr = 0.7, isothermal wall, f_w = 0, η∞ = "),
             qPrintable(lines[0]));
    QCOMPARE(lines[1], "η\tf\tf'\tf''\tg\tg'");
    const QString wallShear = lines[2].split('\t')[3]; // 15 digits, a full stop as the point
    QVERIFY2(wallShear.startsWith("0.46959998836") && wallShear.size() >= 16, qPrintable(wallShear));

    QTemporaryDir dir;
    Answers answers;
    answers.path = dir.filePath("profiles.csv");
    table->findChild<QAction*>("saveProfilesAction")->trigger();
    QVERIFY(answers.warnings.isEmpty());
    const QStringList csv = QString::fromUtf8(contents(answers.path)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(csv.size(), 19);
    QCOMPARE(csv[0], "# " + lines[0]);
    QCOMPARE(csv[1], "η,f,f',f'',g,g'");
    // Scientific, so that a German import cannot read 4.69…E-01 as a whole number.
    const QStringList first = csv[2].split(',');
    QCOMPARE(first.size(), 6);
    QCOMPARE(first[0], "0E+00");
    QVERIFY2(first[3].startsWith("4.6959998836") && first[3].endsWith("E-01"), qPrintable(first[3]));
    QCOMPARE(first[3].toDouble(), wallShear.toDouble());
    QLocale::setDefault(saved);
}

void ExploreReportsTest::chartsSaveAsVectorsAndPixels()
{
    ExploreSession s;
    s.open();
    QTemporaryDir dir;
    Answers answers;

    answers.path = dir.filePath("solution.svg");
    saveImage(*s.explore, "Chart_Solution")->trigger();
    QXmlStreamReader svg(contents(answers.path));
    int paths = 0, texts = 0, images = 0;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement) {
            paths += svg.name() == QLatin1String("path") || svg.name() == QLatin1String("polyline");
            texts += svg.name() == QLatin1String("text");
            images += svg.name() == QLatin1String("image");
        }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY(paths >= 5);
    QVERIFY(texts > 0);
    QCOMPARE(images, 0);

    answers.path = dir.filePath("solution.pdf");
    saveImage(*s.explore, "Chart_Solution")->trigger();
    const QByteArray pdf = contents(answers.path);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(!pdf.contains("/Subtype /Image")); // no embedded bitmap
    QVERIFY(pdf.contains("/Font"));            // text as text

    answers.path = dir.filePath("solution.png");
    answers.choice = 2; // 300 dpi, 16 cm
    saveImage(*s.explore, "Chart_Solution")->trigger();
    QCOMPARE(QImage(answers.path).width(), 1890);

    s.showTab("Tab_Wedge");
    answers.path = dir.filePath("wedge.svg");
    s.explore->wedgeTab()->picture()->findChild<QAction*>("saveImageAction")->trigger();
    QVERIFY(contents(answers.path).contains("<path"));
    QVERIFY(answers.warnings.isEmpty());
}

void ExploreReportsTest::aSaveThatFailsSaysSoAndWritesNothing()
{
    ExploreSession s;
    s.open();
    Answers answers;
    // Nobody, not even root, creates files in /proc.
    answers.path = QStringLiteral("/proc/cuneola-figure.svg");
    saveImage(*s.explore, "Chart_Solution")->trigger();
    QCOMPARE(answers.warnings.size(), 1);
    QVERIFY2(answers.warnings[0].contains("could not be saved") && answers.warnings[0].contains("Nothing was written"),
             qPrintable(answers.warnings[0]));
    QVERIFY(!QFile::exists(answers.path));

    QTemporaryDir dir;
    answers.path = dir.filePath("figure.jpg");
    saveImage(*s.explore, "Chart_Solution")->trigger();
    QCOMPARE(answers.warnings.size(), 2);
    QVERIFY(answers.warnings[1].contains(".png, .svg or .pdf"));
    QVERIFY(!QFile::exists(answers.path));
}

QTEST_MAIN(ExploreReportsTest)
#include "explore_reports_test.moc"
