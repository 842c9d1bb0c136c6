// A document without a summary opens without a word on the terminal: the
// summary's diagnostics are for the developer only.

#include "document/CompoundFile.h"
#include "document/DocSummary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(DocSummaryDiagnostics, AreQuietUnlessAskedFor)
{
    const char* old = std::getenv("MONDREL_DEBUG");
    const std::string kept = old ? old : "";
    CStorage empty;

    unsetenv("MONDREL_DEBUG");
    testing::internal::CaptureStderr();
    CDocSummary none;
    EXPECT_FALSE(none.ReadFrom(&empty));
    EXPECT_FALSE(none.WriteTo(nullptr));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("MONDREL_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(none.ReadFrom(&empty));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "OpenStream failed\n");

    if (old) setenv("MONDREL_DEBUG", kept.c_str(), 1);
    else unsetenv("MONDREL_DEBUG");
}
