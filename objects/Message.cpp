#include "objects/Message.h"

CMessage CMessage::Verbatim(std::string text)
{
    CMessage message("%1");
    message.Arg(std::move(text));
    return message;
}

CMessage& CMessage::Arg(std::string text)
{
    m_arguments.push_back({std::move(text), {}, {}});
    return *this;
}

CMessage& CMessage::Arg(CMessage message)
{
    return Arg(std::vector<CMessage>{std::move(message)}, std::string());
}

CMessage& CMessage::Arg(std::vector<CMessage> messages, std::string separator)
{
    // An empty list fills in nothing, as an empty text would.
    if (messages.empty()) return Arg(std::string());
    m_arguments.push_back({{}, std::move(messages), std::move(separator)});
    return *this;
}

std::string CMessage::Text() const
{
    return Compose([](const std::string& form) { return form; });
}

std::string CMessage::Compose(const std::function<std::string(const std::string&)>& formOf) const
{
    if (IsEmpty()) return {};
    std::vector<std::string> values;
    values.reserve(m_arguments.size());
    for (const Argument& argument : m_arguments) {
        std::string value = argument.m_strText;
        for (std::size_t i = 0; i < argument.m_messages.size(); ++i)
            value += (i ? argument.m_strSeparator : std::string()) + argument.m_messages[i].Compose(formOf);
        values.push_back(std::move(value));
    }
    return Fill(formOf(m_strTemplate), values);
}

std::string CMessage::Fill(std::string_view form, const std::vector<std::string>& values)
{
    std::string out;
    out.reserve(form.size());
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(form[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += form[i];
    }
    return out;
}

void CMessageOut::Set(const CMessage& message) const
{
    if (m_pText) *m_pText = message.Text();
    if (m_pMessage) *m_pMessage = message;
}
