// A page's white block made ahead on a thread of its own: handed over when
// the size asked for is the size made, given back otherwise.

#include "imageio/PixelBlock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

TEST(WhitePixels, MadeAheadForTheSizeAskedForOnly)
{
    // Nothing made: nothing to take.
    EXPECT_EQ(TakeWhitePixels(4096), nullptr);

    // A page of 3 MB, larger than a huge page, and one smaller than one.
    for (std::size_t bytes : {std::size_t(3) << 20, std::size_t(100) * 1024}) {
        PrepareWhitePixels(bytes);
        // A second request while one is held changes nothing.
        PrepareWhitePixels(bytes / 2);
        auto* block = static_cast<unsigned char*>(TakeWhitePixels(bytes));
        ASSERT_NE(block, nullptr) << bytes;
        const std::vector<unsigned char> white(bytes, 0xFF);
        EXPECT_EQ(std::memcmp(block, white.data(), bytes), 0) << bytes;
        std::free(block);
        EXPECT_EQ(TakeWhitePixels(bytes), nullptr) << bytes;
    }

    // Made for another page size: given back, and nothing is left over.
    PrepareWhitePixels(1 << 20);
    EXPECT_EQ(TakeWhitePixels(2 << 20), nullptr);
    EXPECT_EQ(TakeWhitePixels(1 << 20), nullptr);
}
