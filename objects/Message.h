#pragma once

// Messages for the user that the core composes: a file's reading, a page's
// damage, a holiday file's refusal. The core keeps each as an English
// template with numbered arguments ("page %1 is damaged (%2)"), so that the
// window programs can show the sentence in the user's language while the
// command line and the tests read the English text as it always was.

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Marks an English template for the translators. lupdate reads this macro as
// QT_TRANSLATE_NOOP (translations/CMakeLists.txt tells it so), and the
// windows look every template up under the context "CMessage"; another
// context would never be found, so it does not compile.
#define MESSAGE_TEXT(context, text) MessageTemplate(context, text)

consteval const char* MessageTemplate(std::string_view context, const char* text)
{
    if (context != "CMessage") throw "the core's messages are translated in the context \"CMessage\"";
    return text;
}

class CMessage {
public:
    CMessage() = default;
    // A message of a template marked with MESSAGE_TEXT; %1 to %9 stand for
    // the arguments in the order they are given.
    explicit CMessage(const char* text) : m_strTemplate(text) {}
    // A text that no catalogue knows, shown as it stands in every language:
    // a library's or the system's own words.
    static CMessage Verbatim(std::string text);

    CMessage& Arg(std::string text);
    CMessage& Arg(const char* text) { return Arg(std::string(text)); }
    template <typename T, typename = std::enable_if_t<std::is_integral_v<T>>>
    CMessage& Arg(T number)
    {
        return Arg(std::to_string(number));
    }
    CMessage& Arg(CMessage message);
    CMessage& Arg(std::vector<CMessage> messages, std::string separator);

    bool IsEmpty() const { return m_strTemplate.empty(); }
    // True for a message of this template without arguments.
    bool Is(const char* text) const { return m_arguments.empty() && m_strTemplate == text; }
    // The English sentence.
    std::string Text() const;
    // The sentence with each template (this one's and those of messages
    // among the arguments) replaced by formOf(template) before it is filled:
    // the same sentence in another language.
    std::string Compose(const std::function<std::string(const std::string&)>& formOf) const;
    const std::string& Template() const { return m_strTemplate; }

    // Puts values[n - 1] for each %n of form in one pass, so a value that
    // holds "%2" itself stays as it is; a %n without a value is kept.
    static std::string Fill(std::string_view form, const std::vector<std::string>& values);

private:
    // What fills one %n: a text shown as it stands (a name, a number, a
    // path), or messages translated with this one and joined by a separator.
    struct Argument {
        std::string m_strText;
        std::vector<CMessage> m_messages;
        std::string m_strSeparator;
    };

    std::string m_strTemplate;
    std::vector<Argument> m_arguments;
};

// Where a function leaves its message: a CMessage for the windows, which
// translate it, or a string for the English text, or nowhere (nullptr).
class CMessageOut {
public:
    CMessageOut(std::nullptr_t) {}
    CMessageOut(std::string* text) : m_pText(text) {}
    CMessageOut(CMessage* message) : m_pMessage(message) {}

    explicit operator bool() const { return m_pText || m_pMessage; }
    void Set(const CMessage& message) const;

private:
    std::string* m_pText = nullptr;
    CMessage* m_pMessage = nullptr;
};
