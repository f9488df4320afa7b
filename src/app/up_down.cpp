#include "app/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kFirstRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;

} // namespace

QString UpDownText(int value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(&repeatTimer, &QTimer::timeout, this, &UpDown::repeatStep);
}

void UpDown::setMinimum(int minimum)
{
    minimumValue = minimum;
    maximumValue = std::max(maximumValue, minimum);
    setPosition(value);
}

void UpDown::setMaximum(int maximum)
{
    maximumValue = maximum;
    minimumValue = std::min(minimumValue, maximum);
    setPosition(value);
}

void UpDown::setPosition(int position)
{
    value = std::clamp(position, minimumValue, maximumValue);
    showPosition();
}

void UpDown::setBuddy(QLineEdit *edit)
{
    if (buddy)
        buddy->removeEventFilter(this);
    buddy = edit;
    if (buddy)
        buddy->installEventFilter(this);
    showPosition();
}

void UpDown::stepBy(int steps)
{
    int next = value + steps * step;
    if (next > maximumValue)
        next = wraps ? minimumValue : maximumValue;
    else if (next < minimumValue)
        next = wraps ? maximumValue : minimumValue;
    value = next;
    showPosition();
    emit clicked();
}

void UpDown::showPosition()
{
    if (buddy)
        buddy->setText(UpDownText(value));
    update();
}

bool UpDown::stepForKey(int key)
{
    if (key == Qt::Key_Up)
        stepBy(1);
    else if (key == Qt::Key_Down)
        stepBy(-1);
    else
        return false;
    return true;
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == buddy && event->type() == QEvent::KeyPress && isEnabled())
        return stepForKey(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    if (!stepForKey(event->key()))
        QWidget::keyPressEvent(event);
}

QRect UpDown::arrowRect(Arrow arrow) const
{
    const int half = height() / 2;
    return arrow == Arrow::Up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressedArrow = arrowRect(Arrow::Up).contains(event->position().toPoint()) ? Arrow::Up : Arrow::Down;
    repeatStep();
    repeatTimer.start(kFirstRepeatDelayMs);
}

void UpDown::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    pressedArrow = Arrow::None;
    repeatTimer.stop();
    update();
}

void UpDown::repeatStep()
{
    if (pressedArrow == Arrow::None)
        return;
    repeatTimer.setInterval(kRepeatIntervalMs);
    stepBy(pressedArrow == Arrow::Up ? 1 : -1);
}

void UpDown::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = arrowRect(arrow);
        button.state |= pressedArrow == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);
        QStyleOption indicator = button;
        indicator.rect = button.rect.adjusted(3, 2, -3, -2);
        painter.drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                              indicator);
    }
}
