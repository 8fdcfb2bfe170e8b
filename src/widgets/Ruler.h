#pragma once

#include <QWidget>

// A graduated scale drawn along one edge of a card window: ten ticks per
// 570-twip centimetre, a number at every centimetre, on the tooltip
// background colour. Orientation 0 runs along the width (ticks standing on
// the bottom edge), any other value along the height (ticks on the right).
class Ruler : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation)
public:
    explicit Ruler(QWidget *parent = nullptr);

    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);

    // Length of one unit in twips.
    static constexpr double UnitTwips = 570.0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_orientation = 0;
};
