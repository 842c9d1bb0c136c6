#pragma once

// Pictures of a calendar page: the page painted off screen at a chosen
// resolution (100 dots per inch is one pixel per page unit) and written as a
// JPEG or BMP file, as the "Save Calendar Image As" command does.

#include <QtGui/QImage>

#include <string>

class CDibSection;
class CDrawDoc;

// The page's size in pixels at a resolution.
QSize PagePictureSize(const CDrawDoc& doc, int dpi);
// Paints the page (background, background picture, objects; no grid, no
// handles) into a new picture of PagePictureSize pixels.
QImage RenderPagePicture(CDrawDoc& doc, int dpi);
// Copies a picture into a bitmap of the same size (rows bottom-up).
bool ImageToDib(const QImage& image, CDibSection* dib);
// Writes the page picture; the extension (lower-cased) must be "bmp" or
// "jpg", otherwise error is "ERROR: File extension must be - bmp or jpg.".
// The file appears complete or not at all.
bool ExportPagePicture(CDrawDoc& doc, const std::string& path, int dpi, std::string* error);
