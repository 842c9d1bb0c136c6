// Feeds arbitrary bytes to the GIF decoder: it must fail or succeed without
// touching memory outside its buffers and without huge allocations.

#include "imageio/PictureImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Small pictures keep the runs fast; the size caps alone allow more
    // than the fuzzer's memory limit.
    CPictureImage::SetAllocationLimit(4LL << 20);
    CPictureImage image(IMAGE_FORMAT_GIF);
    if (size > 0) image.SetFrame(data[size - 1] % 4);
    if (image.Decode(data, size, IMAGE_FORMAT_GIF)) {
        // Touch the result the way callers do.
        image.GetPixelColor(image.GetWidth() - 1, image.GetHeight() - 1);
        image.Mirror();
        image.AlphaStrip();
    }
    return 0;
}
