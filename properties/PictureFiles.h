#pragma once

// What the picture pickers of the property pages share: the filter of the
// pictures the program reads and the extension rule.

#include <QtCore/QString>

#include <string>

// "Supported Image Files (...)|...|All Files (*.*)|*.*||".
QString PictureFileFilter();
// The extension of a path without its dot, in lower case ("JPG" from a
// camera becomes "jpg"), as the format lookup compares it.
std::string LowerExtension(const QString& path);
// Whether the program has a decoder for the extension.
bool IsPictureExtension(const std::string& ext);
