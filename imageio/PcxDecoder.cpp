#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"

bool DecodePcx(const BYTE*, std::size_t, CPictureImage&)
{
    return false;  // placeholder until the decoder lands
}
