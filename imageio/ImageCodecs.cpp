#include "imageio/ImageCodecs.h"

#include "imageio/PictureImage.h"
#include "objects/FormatModule.h"

namespace {

// PNG and TIFF are read by the formats module; without it such a picture is
// unreadable and says why, as a damaged file would.
bool DecodeThroughModule(decltype(&CFormatTable::m_pDecodePng) reader, const BYTE* data, std::size_t size,
                         CPictureImage& image)
{
    CMessage why;
    if (const CFormatTable* table = FormatTable(&why)) return (table->*reader)(data, size, image);
    image.SetLastError(why.Text());
    return false;
}

}  // namespace

bool DecodePng(const BYTE* data, std::size_t size, CPictureImage& image)
{
    return DecodeThroughModule(&CFormatTable::m_pDecodePng, data, size, image);
}

bool DecodeTiff(const BYTE* data, std::size_t size, CPictureImage& image)
{
    return DecodeThroughModule(&CFormatTable::m_pDecodeTiff, data, size, image);
}

ImageDecoder DecoderForFormat(int format)
{
    switch (format) {
    case IMAGE_FORMAT_BMP: return &DecodeBmp;
    case IMAGE_FORMAT_GIF: return &DecodeGif;
    case IMAGE_FORMAT_JPG: return &DecodeJpeg;
    case IMAGE_FORMAT_PNG: return &DecodePng;
    case IMAGE_FORMAT_ICO: return &DecodeIco;
    case IMAGE_FORMAT_TIF: return &DecodeTiff;
    case IMAGE_FORMAT_TGA: return &DecodeTga;
    case IMAGE_FORMAT_PCX: return &DecodePcx;
    default: return nullptr;
    }
}

int ImageFormatFromExtension(const std::string& ext)
{
    if (ext == "bmp") return IMAGE_FORMAT_BMP;
    if (ext == "gif") return IMAGE_FORMAT_GIF;
    if (ext == "jpg" || ext == "jpeg") return IMAGE_FORMAT_JPG;
    if (ext == "png") return IMAGE_FORMAT_PNG;
    if (ext == "ico") return IMAGE_FORMAT_ICO;
    if (ext == "tiff" || ext == "tif") return IMAGE_FORMAT_TIF;
    if (ext == "tga") return IMAGE_FORMAT_TGA;
    if (ext == "pcx") return IMAGE_FORMAT_PCX;
    return IMAGE_FORMAT_BMP;
}
