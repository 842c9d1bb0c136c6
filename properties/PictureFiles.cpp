#include "properties/PictureFiles.h"

#include <QtCore/QFileInfo>

#include <algorithm>
#include <array>

QString PictureFileFilter()
{
    return QStringLiteral(
        "Supported Image Files (.jpg;.jpeg;.bmp;.gif;.png;.ico;.tif;.tiff)|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.ico;*.tif;"
        "*.tiff|All Files (*.*)|*.*||");
}

std::string LowerExtension(const QString& path)
{
    return QFileInfo(path).suffix().toLower().toStdString();
}

bool IsPictureExtension(const std::string& ext)
{
    static const std::array<const char*, 10> known = {"bmp", "jpg", "jpeg", "gif", "png",
                                                      "ico", "tiff", "tif", "tga", "pcx"};
    return std::any_of(known.begin(), known.end(), [&](const char* k) { return ext == k; });
}
