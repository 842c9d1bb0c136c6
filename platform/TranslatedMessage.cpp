#include "platform/TranslatedMessage.h"

#include <QtCore/QCoreApplication>

QString TranslatedMessage(const CMessage& message)
{
    return QString::fromStdString(message.Compose([](const std::string& form) {
        return QCoreApplication::translate("CMessage", form.c_str()).toStdString();
    }));
}
