#include "objects/Message.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A stand-in catalogue: every template in capitals, its placeholders kept.
std::string Shouted(const std::string& form)
{
    std::string out = form;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

TEST(Message, FillsTheArgumentsInOnePass)
{
    // A path with "%2" or "%1" of its own stays as it is.
    const CMessage message =
        CMessage(MESSAGE_TEXT("CMessage", "Cannot open %1: %2")).Arg("/tmp/100%2 sure/%1.mdr").Arg("No such file");
    EXPECT_EQ(message.Text(), "Cannot open /tmp/100%2 sure/%1.mdr: No such file");
    // A placeholder without an argument, and a lone percent sign, are kept.
    EXPECT_EQ(CMessage::Fill("%1 of %2, 50% done, %", {"3"}), "3 of %2, 50% done, %");
    EXPECT_EQ(CMessage(MESSAGE_TEXT("CMessage", "page %1 is missing")).Arg(12).Text(), "page 12 is missing");
    EXPECT_EQ(CMessage().Text(), "");
    EXPECT_TRUE(CMessage().IsEmpty());
}

TEST(Message, NestedMessagesAndListsAreTranslatedWithTheirSentence)
{
    std::vector<CMessage> problems;
    problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "page %1 is missing")).Arg(2));
    problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "page %1 is damaged (%2)"))
                           .Arg(3)
                           .Arg(CMessage::Verbatim("std::bad_alloc")));
    const CMessage message =
        CMessage(MESSAGE_TEXT("CMessage", "Some pages of the file were left out: %1.")).Arg(std::move(problems), "; ");
    EXPECT_EQ(message.Text(),
              "Some pages of the file were left out: page 2 is missing; page 3 is damaged (std::bad_alloc).");
    // Names and numbers stay as given; the library's words are no template.
    EXPECT_EQ(message.Compose(Shouted),
              "SOME PAGES OF THE FILE WERE LEFT OUT: PAGE 2 IS MISSING; PAGE 3 IS DAMAGED (std::bad_alloc).");
    EXPECT_EQ(CMessage(MESSAGE_TEXT("CMessage", "%1 more streams are out of order"))
                  .Arg(std::vector<CMessage>{}, "; ")
                  .Text(),
              " more streams are out of order");
}

TEST(Message, GoesToAStringAMessageOrNowhere)
{
    const CMessage message = CMessage(MESSAGE_TEXT("CMessage", "The file %1 is too large")).Arg("big.mdr");
    std::string text = "old";
    CMessage kept;
    CMessageOut(&text).Set(message);
    CMessageOut(&kept).Set(message);
    CMessageOut(nullptr).Set(message);
    EXPECT_EQ(text, "The file big.mdr is too large");
    EXPECT_EQ(kept.Text(), text);
    EXPECT_FALSE(CMessageOut(nullptr));
    // An empty message clears what the string held.
    CMessageOut(&text).Set(CMessage());
    EXPECT_EQ(text, "");
    EXPECT_TRUE(CMessage(MESSAGE_TEXT("CMessage", "The reading was cancelled.")).Is("The reading was cancelled."));
    EXPECT_FALSE(CMessage(MESSAGE_TEXT("CMessage", "%1: %2")).Arg("a").Arg("b").Is("%1: %2"));
}
