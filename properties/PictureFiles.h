#pragma once

// Which picture files the property pages can show: the extensions the
// program has a decoder for, and whether a chosen file can be read.

#include <QtCore/QString>

#include <memory>
#include <string>

class CPictureImage;

// Whether the program has a decoder for a lower-case extension.
bool IsPictureExtension(const std::string& ext);
// The type stored with a picture path: the given extension in lower case,
// or the path's own when there is none, so that "JPG" decodes as a JPEG.
std::string PictureType(const std::string& ext, const std::string& path);

// Decodes a picture the user chose the way its object will (the format
// from the extension): whole when decoded asks for the picture, otherwise
// only at a small size (a JPEG at its smallest scale). Empty when it can be
// read; otherwise the message that says so, "The picture "name" cannot be
// read.", with a plain reason.
QString PictureProblem(const QString& path, const std::string& ext,
                       std::unique_ptr<CPictureImage>* decoded = nullptr);
