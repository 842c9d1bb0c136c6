#include "properties/PictureFiles.h"

#include "properties/PreviewFileDialog.h"

#include <QtCore/QString>

#include <algorithm>
#include <array>

bool IsPictureExtension(const std::string& ext)
{
    static const std::array<const char*, 10> known = {"bmp", "jpg", "jpeg", "gif", "png",
                                                      "ico", "tiff", "tif", "tga", "pcx"};
    return std::any_of(known.begin(), known.end(), [&](const char* k) { return ext == k; });
}

std::string PictureType(const std::string& ext, const std::string& path)
{
    const QString lower = QString::fromStdString(ext).toLower();
    return (lower.isEmpty() ? LowerExtension(QString::fromStdString(path)) : lower).toStdString();
}
