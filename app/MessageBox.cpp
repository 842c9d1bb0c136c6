#include "app/MessageBox.h"

namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons, const QString& title)
{
    CMessageRequest request{parent, title.isEmpty() ? QStringLiteral("Mondrel") : title, text, icon, buttons};
    if (Hook()) return Hook()(request);
    QMessageBox box(icon, request.m_strTitle, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

MessageHook SetMessageHook(MessageHook hook)
{
    MessageHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
