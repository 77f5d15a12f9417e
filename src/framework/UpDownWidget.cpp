// An up-down control: two arrow buttons with a 32-bit range and position, optionally tied to
// the edit before it (its buddy), whose text it reads and writes as an integer.
#include "UpDownWidget.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace zyfo {

namespace {
constexpr int repeatDelayMs = 400;
constexpr int repeatIntervalMs = 80;
} // namespace

UpDownWidget::UpDownWidget(DWORD style, QLineEdit *buddy, std::function<LRESULT(int, int)> notify,
                           QWidget *parent)
    : QWidget(parent)
    , m_style(style)
    , m_buddy(buddy)
    , m_notify(std::move(notify))
{
    setFocusPolicy(Qt::NoFocus);
    connect(&m_repeat, &QTimer::timeout, this, &UpDownWidget::repeat);
    if (m_buddy == nullptr)
        return;
    if (m_style & UDS_ARROWKEYS)
        m_buddy->installEventFilter(this);
    // Tying the buddy shows the position in it at once, as the platform's control does.
    if (m_style & UDS_SETBUDDYINT)
        m_buddy->setText(QString::number(m_position));
}

void UpDownWidget::setRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
}

void UpDownWidget::readBuddy()
{
    if (m_buddy == nullptr || !(m_style & UDS_SETBUDDYINT))
        return;
    bool ok = false;
    int value = m_buddy->text().trimmed().toInt(&ok);
    if (ok)
        m_position = std::clamp(value, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}

void UpDownWidget::press(int arrow)
{
    readBuddy();
    // The up arrow moves towards the range's upper end, which may be the smaller number.
    int delta = m_upper >= m_lower ? arrow : -arrow;
    if (m_notify(m_position, delta) != 0)
        return;
    long long moved = static_cast<long long>(m_position) + delta;
    m_position = static_cast<int>(
        std::clamp<long long>(moved, std::min(m_lower, m_upper), std::max(m_lower, m_upper)));
    if (m_buddy != nullptr && (m_style & UDS_SETBUDDYINT))
        m_buddy->setText(QString::number(m_position));
}

void UpDownWidget::repeat()
{
    m_repeat.setInterval(repeatIntervalMs);
    if (m_held != 0)
        press(m_held);
}

void UpDownWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_held = event->position().y() < height() / 2.0 ? 1 : -1;
    update();
    press(m_held);
    m_repeat.start(repeatDelayMs);
}

void UpDownWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_held = 0;
    m_repeat.stop();
    update();
}

bool UpDownWidget::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isEnabled())
        return false;
    int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    press(key == Qt::Key_Up ? 1 : -1);
    return true;
}

void UpDownWidget::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        int arrow = i == 0 ? 1 : -1;
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= m_held == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);
        QStyleOption indicator = button;
        indicator.rect = halves[i].adjusted(2, 1, -2, -1);
        painter.drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                              indicator);
    }
}

} // namespace zyfo
