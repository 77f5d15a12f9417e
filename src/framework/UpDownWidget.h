// An up-down control: two arrow buttons with a 32-bit range and position, optionally tied to
// the edit before it (its buddy), whose text it reads and writes as an integer.
#pragma once

#include "WinDefs.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace zyfo {

// Each arrow press asks `notify(position, delta)` first (UDN_DELTAPOS); a non-zero result
// stops the step. Without a buddy the control changes nothing visible; with a buddy and
// UDS_SETBUDDYINT it takes its position from the buddy's text, steps within the range and
// writes the new position back (no thousands separators). UDS_ARROWKEYS lets the buddy's
// up and down keys press the arrows. Holding an arrow repeats it.
class UpDownWidget : public QWidget
{
public:
    UpDownWidget(DWORD style, QLineEdit *buddy, std::function<LRESULT(int, int)> notify,
                 QWidget *parent);

    void setRange(int lower, int upper);
    int lower() const { return m_lower; }
    int upper() const { return m_upper; }

    // What a press of the up arrow (+1) or the down arrow (-1) does.
    void press(int arrow);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readBuddy();
    void repeat();

    DWORD m_style;
    QLineEdit *m_buddy;
    std::function<LRESULT(int, int)> m_notify;
    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
    int m_held = 0; // the arrow held down: +1, -1 or 0
    QTimer m_repeat;
};

} // namespace zyfo
