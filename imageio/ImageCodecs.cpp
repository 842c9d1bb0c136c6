#include "imageio/ImageCodecs.h"

#include "imageio/PictureImage.h"

ImageDecoder DecoderForFormat(int format)
{
    switch (format) {
    case CXIMAGE_FORMAT_BMP: return &DecodeBmp;
    case CXIMAGE_FORMAT_GIF: return &DecodeGif;
    case CXIMAGE_FORMAT_JPG: return &DecodeJpeg;
    case CXIMAGE_FORMAT_PNG: return &DecodePng;
    case CXIMAGE_FORMAT_ICO: return &DecodeIco;
    case CXIMAGE_FORMAT_TIF: return &DecodeTiff;
    case CXIMAGE_FORMAT_TGA: return &DecodeTga;
    case CXIMAGE_FORMAT_PCX: return &DecodePcx;
    default: return nullptr;
    }
}

int ImageFormatFromExtension(const std::string& ext)
{
    if (ext == "bmp") return CXIMAGE_FORMAT_BMP;
    if (ext == "gif") return CXIMAGE_FORMAT_GIF;
    if (ext == "jpg" || ext == "jpeg") return CXIMAGE_FORMAT_JPG;
    if (ext == "png") return CXIMAGE_FORMAT_PNG;
    if (ext == "ico") return CXIMAGE_FORMAT_ICO;
    if (ext == "tiff" || ext == "tif") return CXIMAGE_FORMAT_TIF;
    if (ext == "tga") return CXIMAGE_FORMAT_TGA;
    if (ext == "pcx") return CXIMAGE_FORMAT_PCX;
    return CXIMAGE_FORMAT_BMP;
}
