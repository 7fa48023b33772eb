// SPDX-License-Identifier: GPL-3.0-or-later
// Picture1: the pixels of the retained image after a click, and the drawing operations at their edges.
#include "recording_fakes.h"
#include "solver/shooting_search.h"
#include "ui_test_support.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cmath>
#include <limits>
#include <map>

using namespace cuneola;
using namespace cuneola::testing;

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kMagentaRgb = 0xFFFF00FF;
const QRgb kRed = PlotArea::toRgb(kCurveColours[0]);
const QRgb kBlue = PlotArea::toRgb(kCurveColours[1]);
const QRgb kGreen = PlotArea::toRgb(kCurveColours[2]);

// The plot calls of the search a window click runs, recorded on the side.
std::vector<PlotCall> recordClick(MarchMode mode)
{
    FakeHost host;
    RecordingPlot plot;
    FormValues form;
    runSearch(mode, form, plot, host);
    return plot.calls;
}

// The calls of the last march: from its Cls to the end.
std::vector<PlotCall> lastMarch(const std::vector<PlotCall>& calls)
{
    auto cls = std::find_if(calls.rbegin(), calls.rend(), [](const PlotCall& c) { return c.kind == PlotCall::Cls; });
    return {std::prev(cls.base()), calls.end()};
}

void replay(PlotArea& plot, const std::vector<PlotCall>& calls)
{
    for (const PlotCall& c : calls) {
        switch (c.kind) {
        case PlotCall::Scale: plot.Scale(c.a, c.b, c.c, c.d); break;
        case PlotCall::Cls: plot.Cls(); break;
        case PlotCall::Line: plot.Line(c.a, c.b, c.c, c.d); break;
        case PlotCall::ColouredLine: plot.Line(c.a, c.b, c.c, c.d, c.colour); break;
        case PlotCall::Circle: plot.Circle(c.a, c.b, c.c, c.colour); break;
        }
    }
}

// Where the dots of these calls end up, later dots covering earlier ones.
std::map<std::pair<int, int>, QRgb> dotPixels(const PlotArea& plot, const std::vector<PlotCall>& calls)
{
    std::map<std::pair<int, int>, QRgb> dots;
    const int pen = plot.penWidth();
    for (const PlotCall& c : calls) {
        if (c.kind != PlotCall::Circle) continue;
        const auto cell = plot.mapping().pixelOf(static_cast<float>(c.a), static_cast<float>(c.b));
        if (!cell) continue;
        // A pen-sized block, cut off at the image's far edges.
        for (int y = cell->y; y < std::min(cell->y + pen, plot.image().height()); ++y)
            for (int x = cell->x; x < std::min(cell->x + pen, plot.image().width()); ++x)
                dots[{x, y}] = PlotArea::toRgb(c.colour);
    }
    return dots;
}

int markedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != PlotArea::kBackground;
    return count;
}

// A bare plot area with an inside of 100 x 100 logical pixels over the world square 0..10.
struct BarePlot {
    PlotArea plot;
    BarePlot()
    {
        plot.resize(102, 102);
        plot.Scale(0, 10, 10, 0);
        plot.Cls();
    }
    int pen() const { return plot.penWidth(); }
    int side() const { return plot.image().width(); }
};

} // namespace

class PlotAreaTest : public QObject {
    Q_OBJECT
private slots:
    void imageMatchesTheScreensPixelRatio();
    void holdsOnlyTheLastMarchOfAClick_data();
    void holdsOnlyTheLastMarchOfAClick();
    void dotsOfEachCurveStandWhereTheCurveRuns_data();
    void dotsOfEachCurveStandWhereTheCurveRuns();
    void axesAndTheLineAtOne();
    void statusLabelStaysOnTopOfTheDrawing();
    void marks_data();
    void marks();
    void reversedVerticalAxisPutsLargeValuesLow();
    void clsRestoresTheBackground_data();
    void clsRestoresTheBackground();
    void mappingPlacesTheAxisAtAnEleventh_data();
    void mappingPlacesTheAxisAtAnEleventh();
    void mappingOfADegenerateRectanglePlacesNothing();
    void narrowingKeepsTheSingleRangeOnly_data();
    void narrowingKeepsTheSingleRangeOnly();
    void longRunRepaintsAtMostThirtyTimesASecond();
};

void PlotAreaTest::imageMatchesTheScreensPixelRatio()
{
    TestWindow t;
    PlotArea* plot = t.window.plotArea();
    const QImage& image = plot->image();
    QCOMPARE(image.devicePixelRatio(), plot->devicePixelRatioF());
    QCOMPARE(image.width(), qRound(plot->contentsRect().width() * plot->devicePixelRatioF()));
    QCOMPARE(image.height(), qRound(plot->contentsRect().height() * plot->devicePixelRatioF()));
    QCOMPARE(plot->penWidth(), std::max(1, qRound(plot->devicePixelRatioF())));
}

void PlotAreaTest::holdsOnlyTheLastMarchOfAClick_data()
{
    QTest::addColumn<bool>("energyToo");
    QTest::newRow("momentum search") << false;
    QTest::newRow("energy search after momentum") << true;
}

void PlotAreaTest::holdsOnlyTheLastMarchOfAClick()
{
    QFETCH(bool, energyToo);
    TestWindow t;
    t.click("Command1");
    std::vector<PlotCall> calls = recordClick(MarchMode::Momentum);
    if (energyToo) {
        t.click("Command3");
        FakeHost host;
        RecordingPlot plot;
        FormValues form;
        runSearch(MarchMode::Momentum, form, plot, host);
        plot.calls.clear();
        runSearch(MarchMode::Energy, form, plot, host);
        calls = plot.calls;
    }
    PlotArea fresh;
    fresh.resize(t.window.plotArea()->size());
    replay(fresh, {calls.front()}); // the click's Scale
    replay(fresh, lastMarch(calls));
    QVERIFY(fresh.image() == t.window.plotArea()->image());

    // And not the first march, which differs from the last.
    PlotArea first;
    first.resize(t.window.plotArea()->size());
    auto secondCls =
        std::find_if(calls.begin() + 2, calls.end(), [](const PlotCall& c) { return c.kind == PlotCall::Cls; });
    replay(first, {calls.begin(), secondCls});
    QVERIFY(first.image() != t.window.plotArea()->image());
}

void PlotAreaTest::dotsOfEachCurveStandWhereTheCurveRuns_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<QRgb>>("colours");
    QTest::newRow("momentum: f red, f' blue, f'' green") << "Command1" << QList<QRgb>{kRed, kBlue, kGreen};
    QTest::newRow("energy: g red, g' blue") << "Command3" << QList<QRgb>{kRed, kBlue};
}

void PlotAreaTest::dotsOfEachCurveStandWhereTheCurveRuns()
{
    QFETCH(QString, button);
    QFETCH(QList<QRgb>, colours);
    TestWindow t;
    t.click(qPrintable(button));
    const MarchMode mode = button == "Command1" ? MarchMode::Momentum : MarchMode::Energy;
    const auto dots = dotPixels(*t.window.plotArea(), lastMarch(recordClick(mode)));
    QVERIFY(dots.size() > 500);
    const QImage& image = t.window.plotArea()->image();
    std::map<QRgb, int> seen;
    for (const auto& [at, colour] : dots) {
        QCOMPARE(image.pixel(at.first, at.second), colour);
        ++seen[colour];
    }
    for (QRgb colour : colours) QVERIFY2(seen[colour] > 50, qPrintable(QString::number(colour, 16)));
    QCOMPARE(seen.size(), std::size_t(colours.size()));
}

void PlotAreaTest::axesAndTheLineAtOne()
{
    TestWindow t;
    t.click("Command1");
    const PlotArea& plot = *t.window.plotArea();
    const QImage& image = plot.image();
    const auto dots = dotPixels(plot, lastMarch(recordClick(MarchMode::Momentum)));
    const auto dotAt = [&](int x, int y) { return dots.count({x, y}) > 0; };

    const PixelPos origin = *plot.mapping().pixelOf(0, 0);
    const int rowOfOne = plot.mapping().pixelOf(0, 1)->y;
    QVERIFY(std::abs(origin.x - image.width() / 11.0) <= 1.0);

    // The vertical axis runs from the top edge to past the bottom edge, where it is cut off.
    for (int y = 0; y < image.height(); ++y) {
        if (dotAt(origin.x, y)) continue;
        const bool onLineAtOne = y >= rowOfOne && y < rowOfOne + plot.penWidth();
        QCOMPARE(image.pixel(origin.x, y), onLineAtOne ? kMagentaRgb : kBlack);
    }
    // The horizontal axis from eta = 0 to the right edge.
    for (int x = origin.x + plot.penWidth(); x < image.width(); ++x)
        if (!dotAt(x, origin.y)) QCOMPARE(image.pixel(x, origin.y), kBlack);
    // The magenta line at 1, from the axis to the right edge; f' covers it where it reaches 1.
    int magenta = 0;
    for (int x = origin.x + plot.penWidth(); x < image.width(); ++x) {
        if (dotAt(x, rowOfOne)) continue;
        QCOMPARE(image.pixel(x, rowOfOne), kMagentaRgb);
        ++magenta;
    }
    QVERIFY(magenta > image.width() / 4);
    // Left of the axis and right of the curves' top there is only background.
    QCOMPARE(image.pixel(0, 0), PlotArea::kBackground);
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), PlotArea::kBackground);
}

void PlotAreaTest::statusLabelStaysOnTopOfTheDrawing()
{
    TestWindow t;
    t.click("Command1");
    auto* status = control<QLabel>(t.window, "Lbl_iter");
    QCOMPARE(status->parentWidget(), static_cast<QWidget*>(t.window.plotArea()));
    QVERIFY(status->isVisible());
    QCOMPARE(t.window.plotArea()->childAt(status->geometry().center()), status);
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(status->palette().color(QPalette::Window), QColor(255, 255, 192));
}

// Each row draws one mark on the bare plot (world 0..10 both ways, values up) and
// counts the pixels it leaves, in units of the pen's area or of the image side.
void PlotAreaTest::marks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<double>>("args");
    QTest::addColumn<int>("penAreas");   // expected marked pixels, as multiples of pen * pen
    QTest::addColumn<int>("sideStrips"); // ... or as multiples of side * pen (a full row)
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    QTest::newRow("sub-pixel dot is one pixel") << "circle" << QList<double>{5, 5, 0.01} << 1 << 0;
    QTest::newRow("dot just above the top edge is cut, not clamped")
        << "circle" << QList<double>{5, 10.01, 0.01} << 0 << 0;
    QTest::newRow("dot just right of the right edge is cut") << "circle" << QList<double>{10, 5, 0.01} << 0 << 0;
    QTest::newRow("dot beyond the single range is skipped") << "circle" << QList<double>{5, 1e39, 0.01} << 0 << 0;
    QTest::newRow("dot at NaN is skipped") << "circle" << QList<double>{nan, 5, 0.01} << 0 << 0;
    QTest::newRow("dot with an infinite radius is skipped") << "circle" << QList<double>{5, 5, inf} << 0 << 0;
    QTest::newRow("line across and far beyond both edges") << "line" << QList<double>{-1e30, 5, 1e30, 5} << 0 << 1;
    QTest::newRow("line wholly outside") << "line" << QList<double>{-5, -5, -1, -1} << 0 << 0;
    QTest::newRow("line to beyond the single range is skipped") << "line" << QList<double>{0, 5, 1e39, 5} << 0 << 0;
    QTest::newRow("line along the right edge itself is outside") << "line" << QList<double>{10, 0, 10, 10} << 0 << 0;
    QTest::newRow("line along the left edge") << "line" << QList<double>{0, 0, 0, 10} << 0 << 1;
}

void PlotAreaTest::marks()
{
    QFETCH(QString, kind);
    QFETCH(QList<double>, args);
    QFETCH(int, penAreas);
    QFETCH(int, sideStrips);
    BarePlot bare;
    if (kind == "circle")
        bare.plot.Circle(args[0], args[1], args[2], kCurveColours[1]);
    else
        bare.plot.Line(args[0], args[1], args[2], args[3], kMagenta);
    const int expected = penAreas * bare.pen() * bare.pen() + sideStrips * bare.side() * bare.pen();
    QCOMPARE(markedPixels(bare.plot.image()), expected);
}

void PlotAreaTest::reversedVerticalAxisPutsLargeValuesLow()
{
    BarePlot bare;
    bare.plot.Scale(0, 0, 10, 10); // top edge 0, bottom edge 10
    bare.plot.Circle(5, 9.9, 0.01, kCurveColours[0]);
    const PixelPos at = *bare.plot.mapping().pixelOf(5.0f, 9.9f); // narrowed as the drawing does
    QVERIFY(at.y > bare.side() * 9 / 10);
    QCOMPARE(bare.plot.image().pixel(at.x, at.y), kRed);
}

void PlotAreaTest::clsRestoresTheBackground_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("a few marks") << 3;
    QTest::newRow("marks over most of the image") << 400;
}

void PlotAreaTest::clsRestoresTheBackground()
{
    QFETCH(int, lines);
    BarePlot bare;
    for (int i = 0; i < lines; ++i) bare.plot.Line(0, 10.0 * i / lines, 9.99, 10.0 * i / lines, kMagenta);
    bare.plot.Circle(5, 5, 3, kCurveColours[2]); // an outline of radius 30 pixels
    QVERIFY(markedPixels(bare.plot.image()) > 0);
    bare.plot.Cls();
    QCOMPARE(markedPixels(bare.plot.image()), 0);
    // The world rectangle survives the clearing.
    QVERIFY(bare.plot.mapping().pixelOf(0.5, 9.5)->y < bare.side() / 10);
}

void PlotAreaTest::mappingPlacesTheAxisAtAnEleventh_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("etaMax");
    QTest::newRow("default plot") << 274 << 10.0;
    QTest::newRow("at 1.5 times") << 411 << 10.0;
    QTest::newRow("negative eta max mirrors") << 274 << -2.0;
}

void PlotAreaTest::mappingPlacesTheAxisAtAnEleventh()
{
    QFETCH(int, width);
    QFETCH(double, etaMax);
    const PlotMapping map(-0.1 * etaMax, 1.5, etaMax, -1.0, width, 201);
    QVERIFY(map.usable());
    // Mirrored or not, the left edge lies a tenth of eta max on the far side of 0.
    QVERIFY(std::abs(map.pixelX(0.0) - width / 11.0) < 1e-9);
    QCOMPARE(map.pixelOf(etaMax * 0.999, 0)->x, width - 1);
    QVERIFY(!map.pixelOf(etaMax, 0).has_value()); // the right edge itself lies outside
    QCOMPARE(map.pixelOf(0, 1.5)->y, 0);
    QVERIFY(!map.pixelOf(0, -1.0).has_value()); // the bottom edge itself lies outside
}

void PlotAreaTest::mappingOfADegenerateRectanglePlacesNothing()
{
    for (const PlotMapping& map : {PlotMapping(0, 1, 0, -1, 100, 100), PlotMapping(0, 1, 10, 1, 100, 100),
                                   PlotMapping(0, 1, 1e-320, -1, 100, 100), PlotMapping(0, 1, 10, -1, 0, 100)}) {
        QVERIFY(!map.usable());
        QVERIFY(!map.pixelOf(0, 0).has_value());
    }
    BarePlot bare;
    bare.plot.Scale(5, 5, 5, 5);
    bare.plot.Circle(5, 5, 1, kCurveColours[0]);
    bare.plot.Line(0, 0, 10, 10);
    QCOMPARE(markedPixels(bare.plot.image()), 0);
}

void PlotAreaTest::narrowingKeepsTheSingleRangeOnly_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("kept");
    const double fmax = std::numeric_limits<float>::max();
    QTest::newRow("largest single") << fmax << true;
    QTest::newRow("negative largest single") << -fmax << true;
    QTest::newRow("just beyond") << std::nextafter(fmax, 1e300) << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("NaN") << std::nan("") << false;
    QTest::newRow("below the single range rounds to zero") << 1e-300 << true;
}

void PlotAreaTest::narrowingKeepsTheSingleRangeOnly()
{
    QFETCH(double, value);
    QFETCH(bool, kept);
    QCOMPARE(toSingle(value).has_value(), kept);
    if (kept) QCOMPARE(*toSingle(value), static_cast<float>(value));
}

// Not a timing target: the count of repaints must stay within what the interval allows.
void PlotAreaTest::longRunRepaintsAtMostThirtyTimesASecond()
{
    TestWindow t;
    t.setText("Text_xMax", "0.01");
    t.setText("Text_dF0_2w", "0");
    t.setText("Text_MaxIter", "20000");
    QElapsedTimer timer;
    timer.start();
    t.click("Command1");
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(t.window.lastResult().marches, 20001);
    const int repaints = t.window.plotArea()->runRepaints();
    QVERIFY2(repaints <= elapsed / PlotArea::kRepaintIntervalMs + 1, qPrintable(QString::number(repaints)));
    if (elapsed > 4 * PlotArea::kRepaintIntervalMs) QVERIFY(repaints >= 1);
}

QTEST_MAIN(PlotAreaTest)
#include "plot_area_test.moc"
