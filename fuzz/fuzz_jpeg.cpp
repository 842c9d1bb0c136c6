#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"

#include <cstddef>
#include <cstdint>

// Decodes arbitrary bytes as a JPEG file. Pictures are capped at 64 MB so
// that a header claiming a huge picture costs no more than that.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPictureImage::SetAllocationLimit(64LL << 20);
    CPictureImage image;
    if (size > 0) image.SetFrame(data[size - 1] % 4);
    image.Decode(data, size, IMAGE_FORMAT_JPG);
    return 0;
}
