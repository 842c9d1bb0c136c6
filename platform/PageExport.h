#pragma once

// Pictures of a calendar page: the page painted off screen at a chosen
// resolution (100 dots per inch is one pixel per page unit) and written as a
// JPEG or BMP file, as the "Save Calendar Image As" command does.

#include "objects/Message.h"
#include "objects/Types.h"

#include <QtGui/QImage>

#include <functional>
#include <string>

class CDibSection;
class CDrawDoc;

// The page's size in pixels at a resolution.
QSize PagePictureSize(const CDrawDoc& doc, int dpi);
// Told, while photos of the page are still decoding, that everything but
// the rows [top, bottom) of the picture is painted for good (top moves down
// as the photos' rows come in): it does one short piece of work with those
// rows on the calling thread (what it does delays the painting) and says
// whether there was one; with spare set it hands the work left to the other
// cores instead, as the painting goes on at once.
using PagePaintedAround = std::function<bool(const QImage& picture, int top, int bottom, bool spare)>;
// Paints the page (background, background picture, objects; no grid, no
// handles) into a new picture of PagePictureSize pixels.
QImage RenderPagePicture(CDrawDoc& doc, int dpi, const PagePaintedAround& meanwhile = {});
// Writes a painted page picture (32 bits a pixel) as a JPEG file of the
// highest quality that says it prints at dpi; error says why it could not.
bool WritePagePictureJpeg(const QImage& picture, int dpi, const std::string& path, std::string* error);
// Copies a picture into a bitmap of the same size (rows bottom-up).
bool ImageToDib(const QImage& image, CDibSection* dib);
// Writes the page picture; the extension (lower-cased) must be "bmp" or
// "jpg", otherwise error is "ERROR: File extension must be - bmp or jpg.".
// The file's header says its resolution (JFIF density, pixels per metre).
// The file appears complete or not at all.
// progress, when given, is told 1 after painting, 2 after the conversion and
// 3 when the file is written.
bool ExportPagePicture(CDrawDoc& doc, const std::string& path, int dpi, CMessageOut error,
                       const std::function<void(int)>& progress = {});

// The picture of page index (from 0) of pageCount pages: path itself for a
// document of one page, else path with the page's number before the
// extension ("W.jpg" gives "W-01.jpg", "W-02.jpg" ...; three digits from a
// hundred pages on).
std::string NumberedPagePath(const std::string& path, int index, int pageCount);
// The pictures of pages first to last (from 0): one page alone is written
// as path, several as NumberedPagePath. Stops at the first failure.
bool ExportPagePictures(CDrawDoc& doc, const std::string& path, int dpi, CMessageOut error, int first, int last);

// Maps a surface for printing: the page stretched over a device area of
// width x height pixels, its top-left corner at the device origin.
class CDC;
void PreparePrintSurface(CDC* dc, CSize page, int width, int height);
// Paints the page for a printer, a preview or a PDF (no grid, no handles).
void PaintPageForPrint(CDC* dc, CDrawDoc& doc, int width, int height);
// Writes the pages first to last (from 0; every page when last is -1) as a
// PDF, one PDF page per page, of the page's own size: texts stay text and
// pictures keep their own resolution. The file appears complete or not at
// all.
bool ExportPagePdf(CDrawDoc& doc, const std::string& path, CMessageOut error, int first = 0, int last = -1);
