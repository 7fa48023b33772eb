// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only table whose whole content a "Copy table" action and a button beside it put on
// the clipboard.
#include "ui/common/copyable_table.h"

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace cuneola::ui {

CopyableTable copyableTable(QWidget* parent, QAbstractItemModel* model, const CopyableTableNames& names)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(names.view));
    view->setModel(model);
    view->setAccessibleName(names.viewSpoken);
    view->verticalHeader()->hide();
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false);

    auto* copy = new QAction(QObject::tr("Copy table"), view);
    copy->setObjectName(QLatin1String(names.action));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* button = commandButton(parent, names.button, QObject::tr("Copy table"), names.buttonSpoken, names.buttonTip);
    QObject::connect(button, &QPushButton::clicked, copy, &QAction::trigger);
    return {view, copy, button};
}

QPushButton* commandButton(QWidget* parent, const char* name, const QString& text, const QString& spoken,
                           const QString& tip)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(spoken);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QPushButton* addSaveCsv(QTableView* view, QWidget* parent, const char* action, const char* button,
                        const QString& spoken, const QString& tip, const std::function<void()>& save)
{
    auto* saveAction = new QAction(QObject::tr("Save as CSV…"), view);
    saveAction->setObjectName(QLatin1String(action));
    QObject::connect(saveAction, &QAction::triggered, parent, save);
    view->addAction(saveAction);
    auto* saveButton = commandButton(parent, button, QObject::tr("Save as CSV…"), spoken, tip);
    QObject::connect(saveButton, &QPushButton::clicked, saveAction, &QAction::trigger);
    return saveButton;
}

void fitColumns(QTableView* view, std::initializer_list<const char*> widest, int padding)
{
    const QFontMetrics metrics(view->font());
    int column = 0;
    for (const char* text : widest)
        view->setColumnWidth(column++, metrics.horizontalAdvance(QString::fromUtf8(text)) + padding);
}

QHBoxLayout* leftRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch(1);
    return row;
}

} // namespace cuneola::ui
