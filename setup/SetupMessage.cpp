#include "setup/SetupMessage.h"

#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>

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
    CSetupMessage request{parent, title.isEmpty() ? SetupCaption() : title, text, icon, buttons};
    if (Hook()) return Hook()(request);
    QMessageBox box(icon, request.m_strTitle, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

QString SetupCaption()
{
    return QCoreApplication::translate("CWizardSheet", "Mondrel %1 Setup").arg(QStringLiteral(MONDREL_VERSION));
}

QString SetupSucceededText()
{
    return QCoreApplication::translate("CWizardSheet", "Setup of Mondrel %1 Completed Successfully.")
        .arg(QStringLiteral(MONDREL_VERSION));
}

SetupMessageHook SetSetupMessageHook(SetupMessageHook hook)
{
    SetupMessageHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
