#include "setup/SetupMessage.h"

namespace {

SetupMessageHook& Hook()
{
    static SetupMessageHook hook;
    return hook;
}

}  // namespace

QMessageBox::StandardButton ShowSetupMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                             QMessageBox::StandardButtons buttons, const QString& title)
{
    CSetupMessage request{parent, title.isEmpty() ? QStringLiteral("Mondrel 3.0 Setup") : title, text, icon, buttons};
    if (Hook()) return Hook()(request);
    QMessageBox box(icon, request.m_strTitle, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

SetupMessageHook SetSetupMessageHook(SetupMessageHook hook)
{
    SetupMessageHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
