#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLineEdit;

// A pair of arrow buttons holding a number, shown in a bound read-only edit.
// The number changes only through the arrows (mouse, or the Up and Down keys
// on the arrows or on the edit); stepping past either end wraps when
// wrapping is on. A position set by the program shows as the nearest end
// of the range.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
    Q_PROPERTY(bool wrapping READ wrapping WRITE setWrapping)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit UpDown(QWidget *parent = nullptr);

    int minimum() const { return minimumValue; }
    int maximum() const { return maximumValue; }
    int singleStep() const { return step; }
    bool wrapping() const { return wraps; }
    int position() const { return value; }

    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setSingleStep(int singleStep) { step = singleStep; }
    void setWrapping(bool wrapping) { wraps = wrapping; }
    void setPosition(int position);

    void setBuddy(QLineEdit *edit);
    // One step up (positive) or down, as a click on an arrow makes it.
    void stepBy(int steps);

    QSize sizeHint() const override { return {15, 21}; }

signals:
    // The user stepped the number; the position has already changed.
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Arrow { None, Up, Down };

    bool stepForKey(int key);
    void repeatStep();
    void showPosition();
    QRect arrowRect(Arrow arrow) const;

    int minimumValue = 0;
    int maximumValue = 100;
    int step = 1;
    bool wraps = false;
    int value = 0;
    Arrow pressedArrow = Arrow::None;
    QTimer repeatTimer;
    QPointer<QLineEdit> buddy;
};

// How a number shows in a bound edit: with the locale's thousands separator.
QString UpDownText(int value);
