// Makes the widget of each template control and ties its signals to the dialog's notifications.
#include "ControlFactory.h"

#include "BrokenDownTime.h"
#include "CDialog.h"
#include "FocusWatcher.h"
#include "StaticWidget.h"
#include "UpDownWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace zyfo {

namespace {

// The locale's short date, always with four-digit years; without a locale of the user's
// (the C locale), the Polish one, which the program speaks.
QString shortDateFormat()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Polish, QLocale::Poland);
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

ControlFactory::ControlFactory(CDialog &dialog, QWidget *client, const DialogUnits &units)
    : m_dialog(dialog)
    , m_client(client)
    , m_units(units)
{}

QWidget *ControlFactory::create(const DialogItem &item)
{
    QWidget *widget = nullptr;
    switch (item.controlClass) {
    case ControlClass::Button:
        widget = makeButton(item);
        break;
    case ControlClass::Edit:
        widget = makeEdit(item);
        break;
    case ControlClass::Static:
        widget = new StaticWidget(item, m_client);
        break;
    case ControlClass::ComboBox:
        widget = makeComboBox(item);
        break;
    case ControlClass::UpDown:
        widget = makeUpDown(item);
        break;
    case ControlClass::DateTime:
        widget = makeDateTime(item);
        break;
    }
    QRect area = m_units.toPixels(item.x, item.y, item.cx, item.cy);
    if (item.controlClass == ControlClass::ComboBox)
        area.setHeight(widget->sizeHint().height());
    // A label's text is a little wider in this face than in the one the layout was made
    // for: the label grows to the right rather than cut its last letters off.
    if (item.controlClass == ControlClass::Static && (item.style & SS_TYPEMASK) == SS_LEFT &&
        !item.text.empty())
        area.setWidth(std::max(area.width(), widget->sizeHint().width()));
    widget->setGeometry(area);
    widget->setEnabled(!(item.style & WS_DISABLED));
    widget->show();
    m_previous = widget;
    return widget;
}

QWidget *ControlFactory::makeButton(const DialogItem &item)
{
    QAbstractButton *button = nullptr;
    if ((item.style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        button = new QCheckBox(QString::fromStdString(item.text), m_client);
    } else {
        auto *push = new QPushButton(QString::fromStdString(item.text), m_client);
        push->setAutoDefault(true);
        push->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button = push;
    }
    // clicked comes from the user (or a click by the program), never from setting the check.
    int id = item.id;
    QObject::connect(button, &QAbstractButton::clicked, m_client,
                     [dialog = &m_dialog, id] { dialog->command(BN_CLICKED, id); });
    return button;
}

QWidget *ControlFactory::makeEdit(const DialogItem &item)
{
    int id = item.id;
    // The widgets outlive this factory: their handlers hold the dialog itself.
    auto changed = [dialog = &m_dialog, id] { dialog->command(EN_CHANGE, id); };
    QWidget *edit = nullptr;
    if (item.style & ES_MULTILINE) {
        auto *multiLine = new QPlainTextEdit(m_client);
        multiLine->setTabChangesFocus(true);
        if (item.style & ES_AUTOHSCROLL)
            multiLine->setLineWrapMode(QPlainTextEdit::NoWrap);
        QObject::connect(multiLine, &QPlainTextEdit::textChanged, m_client, changed);
        edit = multiLine;
    } else {
        auto *line = new QLineEdit(QString::fromStdString(item.text), m_client);
        if (item.style & ES_NUMBER)
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), line));
        QObject::connect(line, &QLineEdit::textChanged, m_client, changed);
        edit = line;
    }
    new FocusWatcher(edit, [dialog = &m_dialog, id] { dialog->command(EN_KILLFOCUS, id); });
    return edit;
}

QWidget *ControlFactory::makeComboBox(const DialogItem &item)
{
    auto *combo = new QComboBox(m_client);
    // The template's height is that of the dropped list.
    int listHeight = m_units.toPixels(item.cx, item.cy).height() - combo->sizeHint().height();
    combo->setMaxVisibleItems(std::max(1, listHeight / std::max(1, combo->fontMetrics().height())));
    // activated comes from the user's choice only, never from a selection by the program.
    int id = item.id;
    QObject::connect(combo, &QComboBox::activated, m_client,
                     [dialog = &m_dialog, id] { dialog->command(CBN_SELCHANGE, id); });
    return combo;
}

QWidget *ControlFactory::makeUpDown(const DialogItem &item)
{
    QLineEdit *buddy = nullptr;
    if (item.style & UDS_AUTOBUDDY)
        buddy = qobject_cast<QLineEdit *>(m_previous);
    int id = item.id;
    return new UpDownWidget(
        item.style, buddy,
        [dialog = &m_dialog, id](int position, int delta) {
            return dialog->deltaPos(id, position, delta);
        },
        m_client);
}

QWidget *ControlFactory::makeDateTime(const DialogItem &item)
{
    QDateTimeEdit *picker = nullptr;
    if ((item.style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) {
        picker = new QTimeEdit(m_client);
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    } else {
        picker = new QDateEdit(m_client);
        picker->setDisplayFormat(shortDateFormat());
        picker->setCalendarPopup(!(item.style & DTS_UPDOWN));
    }
    // Qt's pickers default to UTC; the program's times are local.
    picker->setTimeSpec(Qt::LocalTime);
    // A new picker shows the current time, as the platform's does; the program's own
    // settings of the value block the signal, so only the user's changes notify.
    {
        QSignalBlocker blocker(picker);
        picker->setDateTime(QDateTime::currentDateTime());
    }
    int id = item.id;
    QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, m_client,
                     [dialog = &m_dialog, id](const QDateTime &value) {
                         dialog->dateTimeChanged(id, brokenDownTime(value));
                     });
    return picker;
}

} // namespace zyfo
