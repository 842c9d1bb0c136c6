#pragma once

// Every message box of the designer goes through ShowMessage, so that tests
// can answer them without a person: a test installs a hook that records the
// text and returns the button it wants pressed.

#include <QtWidgets/QMessageBox>

#include <functional>

struct CMessageRequest {
    QWidget* m_pParent = nullptr;
    QString m_strTitle;
    QString m_strText;
    QMessageBox::Icon m_icon = QMessageBox::Warning;
    QMessageBox::StandardButtons m_buttons = QMessageBox::Ok;
};

using MessageHook = std::function<QMessageBox::StandardButton(const CMessageRequest&)>;

// Shows the message (or hands it to the installed hook) and returns the
// button pressed. The title defaults to "Mondrel".
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon = QMessageBox::Warning,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& title = QString());
// Installs a hook (an empty one restores the real message boxes); returns the previous one.
MessageHook SetMessageHook(MessageHook hook);
