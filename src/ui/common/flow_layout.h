// SPDX-License-Identifier: GPL-3.0-or-later
// A layout that places its items left to right and wraps them onto further lines when the width runs out.
#pragma once

#include <QLayout>
#include <QList>

// Each item keeps the width it asks for; what a line has left over goes to the items on it
// that grow sideways (sliders). An item wider than the whole line gets the line, no less
// than its minimum. The minimum height is that of the lines at the width last laid out,
// so a narrower window grows as tall as its wrapped lines need.
class FlowLayout : public QLayout {
public:
    // `gap`: the room between items on a line, in pixels; between lines the style's spacing.
    explicit FlowLayout(QWidget* parent = nullptr, int gap = 12);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (moving them when `apply`); returns the height used.
    int arrange(const QRect& rect, bool apply) const;
    int lineGap() const;

    QList<QLayoutItem*> m_items;
    int m_gap;
    int m_laidOutHeight = -1;
};
