#pragma once

// While it lives, every message box is answered without a person: its text
// is recorded and the answer button returned. The hook in place before is
// put back when it goes.

#include "app/MessageBox.h"

#include <QtCore/QStringList>

#include <utility>

class CMessageRecorder {
public:
    explicit CMessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer(answer)
    {
        m_previous = SetMessageHook([this](const CMessageRequest& r) {
            texts << r.m_strText;
            return this->answer;
        });
    }
    ~CMessageRecorder() { SetMessageHook(std::move(m_previous)); }
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    QStringList texts;
    QMessageBox::StandardButton answer;

private:
    MessageHook m_previous;
};
