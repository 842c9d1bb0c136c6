#pragma once

// Every message box of the setup program goes through ShowSetupMessage, so
// tests can answer them: a hook records the request and returns the button
// it wants pressed.

#include <QtWidgets/QMessageBox>

#include <functional>

struct CSetupMessage {
    QWidget* m_pParent = nullptr;
    QString m_strTitle;
    QString m_strText;
    QMessageBox::Icon m_icon = QMessageBox::Critical;
    QMessageBox::StandardButtons m_buttons = QMessageBox::Ok;
};

using SetupMessageHook = std::function<QMessageBox::StandardButton(const CSetupMessage&)>;

// The setup program's caption, "Mondrel 3.0 Setup" with this build's version.
QString SetupCaption();

// "Setup of Mondrel 3.0 Completed Successfully.", with this build's version.
QString SetupSucceededText();

// The title defaults to SetupCaption().
QMessageBox::StandardButton ShowSetupMessage(QWidget* parent, const QString& text,
                                             QMessageBox::Icon icon = QMessageBox::Critical,
                                             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                             const QString& title = QString());
// Installs a hook (an empty one restores the real boxes); returns the previous one.
SetupMessageHook SetSetupMessageHook(SetupMessageHook hook);
