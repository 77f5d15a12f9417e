// A date or time picker of a dialog; it sends DTN_DATETIMECHANGE when the user changes it.
#include "CDateTimeCtrl.h"

#include "BrokenDownTime.h"

#include <QDateTimeEdit>
#include <QSignalBlocker>

namespace zyfo {

namespace {
QDateTimeEdit *pickerOf(const CWnd &window)
{
    return qobject_cast<QDateTimeEdit *>(window.GetSafeHwnd());
}
} // namespace

BOOL CDateTimeCtrl::SetTime(std::time_t time)
{
    QDateTimeEdit *picker = pickerOf(*this);
    std::tm local{};
    if (picker == nullptr || localtime_r(&time, &local) == nullptr)
        return FALSE;
    QDateTime value(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                    QTime(local.tm_hour, local.tm_min, local.tm_sec));
    QSignalBlocker blocker(picker);
    picker->setDateTime(value);
    return TRUE;
}

BOOL CDateTimeCtrl::GetTime(std::tm &value) const
{
    QDateTimeEdit *picker = pickerOf(*this);
    if (picker == nullptr)
        return FALSE;
    value = brokenDownTime(picker->dateTime());
    return TRUE;
}

} // namespace zyfo
