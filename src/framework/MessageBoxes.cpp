// Message boxes: through the scriptable seam, or shown with Polish buttons.
#include "MessageBoxes.h"

#include "DialogScript.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zyfo {

namespace {
constexpr UINT buttonMask = 0x0F;
constexpr UINT iconMask = 0xF0;

QMessageBox::Icon iconFor(UINT type)
{
    switch (type & iconMask) {
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

int runMessageBox(QWidget *owner, const std::string &text, const std::string &caption, UINT type)
{
    if (DialogScript *script = DialogScript::active()) {
        DialogRequest request;
        request.kind = DialogRequest::Kind::MessageBox;
        request.text = text;
        request.caption = caption;
        request.flags = type;
        return script->respond(std::move(request)).result;
    }
    QMessageBox box(owner);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName()
                                       : QString::fromStdString(caption));
    box.setIcon(iconFor(type));
    if ((type & buttonMask) == MB_YESNO) {
        // Neither answer is an escape button, so Escape and the close box do nothing: the
        // question has to be answered.
        QPushButton *yes = box.addButton(QStringLiteral("Tak"), QMessageBox::ActionRole);
        box.addButton(QStringLiteral("Nie"), QMessageBox::ActionRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? IDYES : IDNO;
    }
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box.exec();
    return IDOK;
}

} // namespace zyfo
