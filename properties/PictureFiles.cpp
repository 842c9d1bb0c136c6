#include "properties/PictureFiles.h"

#include "imageio/PictureHolder.h"
#include "imageio/PictureImage.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QString>

#include <algorithm>
#include <array>

namespace {

// The side a picture is decoded at to learn that it can be read.
constexpr long kCheckSide = 64;

}  // namespace

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

QString PictureProblem(const QString& path, const std::string& ext, std::unique_ptr<CPictureImage>* decoded)
{
    const QFileInfo file(path);
    const std::string type = PictureType(ext, path.toStdString());
    QString reason;
    if (!file.exists()) {
        reason = QCoreApplication::translate("PictureFiles", "The file is not there.");
    } else if (!file.isFile() || !file.isReadable()) {
        reason = QCoreApplication::translate("PictureFiles", "The file cannot be opened.");
    } else {
        if (!decoded) {
            // Only whether it can be read: a JPEG is decoded at the smallest
            // scale, so a camera photo costs a fraction of its pixels.
            CPictureHolder holder(path.toStdString(), ImageFormatFromExtension(type));
            if (holder.IsValid() && holder.Picture(std::min(holder.GetWidth(), kCheckSide),
                                                   std::min(holder.GetHeight(), kCheckSide)))
                return QString();
        } else if (auto picture = std::make_unique<CPictureImage>();
                   picture->Load(path.toStdString(), ImageFormatFromExtension(type)) && picture->IsValid()) {
            *decoded = std::move(picture);
            return QString();
        }
        reason = IsPictureExtension(type)
                     ? QCoreApplication::translate("PictureFiles", "It is damaged, or it is not the kind of picture its name says.")
                     : QCoreApplication::translate("PictureFiles", "It is not a picture the program can read (BMP, GIF, JPEG, PNG, ICO, TIFF, "
                                      "TGA or PCX).");
    }
    return QCoreApplication::translate("PictureFiles", "The picture \"%1\" cannot be read.\n\n%2").arg(file.fileName(), reason);
}
