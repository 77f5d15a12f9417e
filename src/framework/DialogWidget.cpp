// A dialog's window: title bar and frame from the template style, an optional menu bar, the
// client area with the controls, and the platform's dialog keys.
#include "DialogWidget.h"

#include "CDialog.h"
#include "DialogClient.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zyfo {

namespace {
// WS_CAPTION is two bits, one of them WS_BORDER: a caption needs both.
bool hasCaption(DWORD style)
{
    return (style & WS_CAPTION) == WS_CAPTION;
}

Qt::WindowFlags windowFlagsFor(DWORD style)
{
    Qt::WindowFlags flags = Qt::Dialog;
    if (!hasCaption(style))
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}
} // namespace

DialogWidget::DialogWidget(CDialog &dialog, QWidget *owner, const QFont &font)
    : QDialog(owner, windowFlagsFor(dialog.dialogTemplate().style))
    , m_dialog(dialog)
    , m_client(new DialogClient(dialog, this))
{
    const DialogTemplate &dialogTemplate = dialog.dialogTemplate();
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    setSizeGripEnabled(false);
    m_client->setFont(font);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(m_client);
    if (dialogTemplate.menu != nullptr)
        buildMenuBar();
    // A captionless window with a border (the splash) gets a one-pixel frame of its own.
    if (!hasCaption(dialogTemplate.style) && (dialogTemplate.style & WS_BORDER)) {
        m_border = 1;
        layout->setContentsMargins(m_border, m_border, m_border, m_border);
    }
}

QWidget *DialogWidget::client() const
{
    return m_client;
}

void DialogWidget::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    for (const MenuItem &popup : m_dialog.dialogTemplate().menu->popups) {
        QMenu *menu = bar->addMenu(QString::fromStdString(popup.text));
        for (const MenuItem &item : popup.items) {
            if (item.text.empty()) {
                menu->addSeparator();
                continue;
            }
            int id = static_cast<int>(item.id);
            connect(menu->addAction(QString::fromStdString(item.text)), &QAction::triggered, this,
                    [this, id] { m_dialog.command(BN_CLICKED, id); });
        }
    }
    layout()->setMenuBar(bar);
    m_menuHeight = bar->sizeHint().height();
}

void DialogWidget::setClientSize(QSize size)
{
    QSize total(size.width() + 2 * m_border, size.height() + m_menuHeight + 2 * m_border);
    m_client->resize(size);
    resize(total);
    if (!(m_dialog.dialogTemplate().style & WS_THICKFRAME))
        setFixedSize(total);
    QRect area = parentWidget() != nullptr ? parentWidget()->window()->geometry()
                                           : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - QPoint(total.width() / 2, total.height() / 2));
}

void DialogWidget::pressEnter()
{
    // The default push button, or the one that has the focus, is clicked; without one the
    // dialog gets IDOK, as the platform's dialog manager sends it.
    for (QPushButton *button : m_client->findChildren<QPushButton *>())
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    m_dialog.command(BN_CLICKED, IDOK);
}

void DialogWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressEnter();
        return;
    case Qt::Key_Escape:
        m_dialog.command(BN_CLICKED, IDCANCEL);
        return;
    case Qt::Key_F1:
        m_dialog.OnHelp();
        return;
    case Qt::Key_Space:
        if (event->modifiers() == Qt::AltModifier) {
            popupSystemMenu(mapToGlobal(QPoint(0, 0)));
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void DialogWidget::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_border == 0)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DialogWidget::closeEvent(QCloseEvent *event)
{
    // The close box is the system menu's close command; the dialog decides what follows.
    event->ignore();
    m_dialog.systemCommand(SC_CLOSE);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent *event)
{
    popupSystemMenu(event->globalPos());
}

void DialogWidget::popupSystemMenu(QPoint position)
{
    CMenu *systemMenu = m_dialog.GetSystemMenu(FALSE);
    if (systemMenu == nullptr)
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const CMenu::Item &item : systemMenu->items()) {
        if (item.flags == MF_SEPARATOR) {
            menu->addSeparator();
            continue;
        }
        UINT id = static_cast<UINT>(item.id);
        connect(menu->addAction(QString::fromStdString(item.text)), &QAction::triggered, this,
                [this, id] { m_dialog.systemCommand(id); });
    }
    menu->popup(position);
}

} // namespace zyfo
