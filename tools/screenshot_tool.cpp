// SPDX-License-Identifier: GPL-3.0-or-later
// Takes pictures of the real windows on the running X server: after each Calculate, with About open, and Explore.
#include "ui/classic/form_about.h"
#include "ui/classic/form_main.h"
#include "ui/explore/form_explore.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>

#include <cstdio>
#include <utility>

namespace {

// Lets the window system map, expose and paint the windows.
void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// Reads the pixels of a screen area back from the X server, not from Qt's own rendering.
bool grab(const QRect& area, const QString& path)
{
    const QPixmap picture =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    Form_Main window;
    window.move(0, 0);
    window.show();
    settle(700);

    bool ok = grab(window.frameGeometry(), out.filePath(QStringLiteral("start.png")));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    settle(300);
    ok = grab(window.frameGeometry(), out.filePath(QStringLiteral("calculate-momentum.png"))) && ok;
    window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    settle(300);
    ok = grab(window.frameGeometry(), out.filePath(QStringLiteral("calculate-energy.png"))) && ok;

    window.Mn_About_Click();
    Form_About* about = window.aboutWindow();
    about->move(window.frameGeometry().right() + 12, 0);
    settle(500);
    ok = grab(about->frameGeometry(), out.filePath(QStringLiteral("about.png"))) && ok;
    ok = grab(window.frameGeometry().united(about->frameGeometry()), out.filePath(QStringLiteral("both.png"))) && ok;
    about->close();

    // Explore after the default Calculate of the Falkner-Skan equation, every tab.
    window.findChild<QLineEdit*>(QStringLiteral("Text_F0_2w"))->setText(QStringLiteral("0.1"));
    window.findChild<QLineEdit*>(QStringLiteral("Text_dF0_2w"))->setText(QStringLiteral("0.1"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    window.Mn_Explore_Click();
    Form_Explore* explore = window.exploreWindow();
    settle(500);
    // Both windows as they open, on the whole screen.
    ok = grab(QGuiApplication::primaryScreen()->geometry(), out.filePath(QStringLiteral("side-by-side.png"))) && ok;
    // The stagnation point in air beside the pinned flat plate.
    explore->findChild<QPushButton*>(QStringLiteral("Command_Pin"))->click();
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Beta"))->setValue(1.0);
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Pr"))->setValue(0.7);
    QElapsedTimer waited;
    waited.start();
    while (explore->isBusy() && waited.elapsed() < 20000) settle(50);
    auto* tabs = explore->findChild<QTabWidget*>(QStringLiteral("Tabs_Explore"));
    const std::pair<const char*, const char*> shots[] = {{"Tab_Solution", "explore-solution.png"},
                                                         {"Tab_Shooting", "explore-shooting.png"},
                                                         {"Tab_Separation", "explore-separation.png"},
                                                         {"Tab_HeatTransfer", "explore-heat-transfer.png"},
                                                         {"Tab_Approximations", "explore-approximations.png"}};
    for (const auto& [tab, name] : shots) {
        if (QWidget* page = explore->findChild<QWidget*>(QLatin1String(tab))) tabs->setCurrentWidget(page);
        settle(300);
        ok = grab(explore->frameGeometry(), out.filePath(QLatin1String(name))) && ok;
    }
    // A porous plate heated at uniform flux: suction f_w = 0.5 on the flat plate.
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Beta"))->setValue(0.0);
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Suction"))->setValue(0.5);
    explore->findChild<QComboBox*>(QStringLiteral("Combo_ThermalWall"))->setCurrentIndex(2);
    waited.restart();
    settle(200);
    while (explore->isBusy() && waited.elapsed() < 20000) settle(50);
    for (const auto& [tab, name] :
         {std::pair{"Tab_Solution", "explore-wall.png"}, std::pair{"Tab_Separation", "explore-wall-separation.png"}}) {
        tabs->setCurrentWidget(explore->findChild<QWidget*>(QLatin1String(tab)));
        settle(300);
        ok = grab(explore->frameGeometry(), out.filePath(QLatin1String(name))) && ok;
    }
    // The flat-plate homework on the Wedge tab: air at 20 °C, 10 m/s, x = 0.5 m, a plain wall.
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Suction"))->setValue(0.0);
    explore->findChild<QComboBox*>(QStringLiteral("Combo_ThermalWall"))->setCurrentIndex(0);
    explore->findChild<QComboBox*>(QStringLiteral("Combo_Fluid"))->setCurrentIndex(0);
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_U"))->setValue(10.0);
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_X"))->setValue(0.5);
    tabs->setCurrentWidget(explore->findChild<QWidget*>(QStringLiteral("Tab_Wedge")));
    settle(300);
    ok = grab(explore->frameGeometry(), out.filePath(QStringLiteral("explore-wedge.png"))) && ok;

    // A sweep over wedges and fluids, separation among them.
    tabs->setCurrentWidget(explore->findChild<QWidget*>(QStringLiteral("Tab_Sweep")));
    explore->findChild<QLineEdit*>(QStringLiteral("Edit_SweepBetas"))->setText(QStringLiteral("-0.25 -0.15 0 0.5 1"));
    explore->findChild<QLineEdit*>(QStringLiteral("Edit_SweepPrs"))->setText(QStringLiteral("0.7 1 7"));
    explore->findChild<QPushButton*>(QStringLiteral("Command_ComputeSweep"))->click();
    waited.restart();
    while (explore->isBusy() && waited.elapsed() < 20000) settle(50);
    settle(300);
    ok = grab(explore->frameGeometry(), out.filePath(QStringLiteral("explore-sweep.png"))) && ok;

    // Pins at one β on both branches, and at two more.
    tabs->setCurrentWidget(explore->findChild<QWidget*>(QStringLiteral("Tab_Solution")));
    auto* pin = explore->findChild<QPushButton*>(QStringLiteral("Command_Pin"));
    explore->findChild<QPushButton*>(QStringLiteral("Command_ClearPins"))->click();
    auto* branch = explore->findChild<QComboBox*>(QStringLiteral("Combo_Branch"));
    for (const auto& [beta, reversed] : {std::pair{-0.15, false}, std::pair{-0.15, true}, std::pair{0.0, false},
                                         std::pair{0.5, false}, std::pair{1.0, false}}) {
        // The branch first: one chosen where it does not exist would be kept for later.
        branch->setCurrentIndex(reversed ? 1 : 0);
        explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Beta"))->setValue(beta);
        settle(100);
        pin->click();
    }
    explore->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Beta"))->setValue(0.3);
    settle(300);
    ok = grab(explore->frameGeometry(), out.filePath(QStringLiteral("explore-pins.png"))) && ok;
    return ok ? 0 : 1;
}
