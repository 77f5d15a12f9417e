// Makes the widget of each template control and ties its signals to the dialog's notifications.
#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

class QWidget;

namespace zyfo {

class CDialog;

// Controls are made in template order (which is also the tab order); an up-down with
// UDS_AUTOBUDDY takes the control made just before it as its buddy.
class ControlFactory
{
public:
    ControlFactory(CDialog &dialog, QWidget *client, const DialogUnits &units);

    QWidget *create(const DialogItem &item);

private:
    QWidget *makeButton(const DialogItem &item);
    QWidget *makeEdit(const DialogItem &item);
    QWidget *makeComboBox(const DialogItem &item);
    QWidget *makeUpDown(const DialogItem &item);
    QWidget *makeDateTime(const DialogItem &item);

    CDialog &m_dialog;
    QWidget *m_client;
    const DialogUnits &m_units;
    QWidget *m_previous = nullptr;
};

} // namespace zyfo
