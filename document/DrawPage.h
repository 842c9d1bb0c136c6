#pragma once

// One page of a calendar document: its drawing objects, back to front, and
// its background (a solid colour, a linear or radial gradient, and
// optionally a picture). The page owns its objects. Its archive record is
// the document record of the one-page documents: the background fields,
// the object list and the embedded items the objects hold.

#include "objects/Types.h"

#include <list>
#include <memory>
#include <string>
#include <vector>

class CArchive;
class CDrawItem;
class CDrawObj;
class CPictureHolder;

class CDrawPage {
public:
    // Background styles and placements.
    enum { styleLinear = 0, styleRadial = 1, styleSolid = 2 };
    enum { placeCenter = 0, placeTiled = 1 };

    // A page with the defaults of a new document: the background colours
    // from the "BackColor" setting, the default picture of the installation.
    CDrawPage();
    // Destroys the page's objects.
    virtual ~CDrawPage();
    CDrawPage(const CDrawPage&) = delete;
    CDrawPage& operator=(const CDrawPage&) = delete;

    std::list<CDrawObj*>* GetObjects() { return &m_listObjects; }
    const std::list<CDrawObj*>* GetObjects() const { return &m_listObjects; }

    // The background picture: the format code from the extension, and the
    // picture rebuilt from path and type.
    static int BackImageFormat(const std::string& type);
    void RebuildBackImage();
    CPictureHolder* BackImage() const { return m_pBackImage.get(); }

    // The page record of the archive. Loading sets every object's document
    // to the archive's document.
    void Serialize(CArchive& ar);
    // The client items of the page's embedded objects that hold a picture,
    // back to front.
    std::vector<CDrawItem*> EmbeddedItems() const;
    // The number of embedded items the last loaded record announced.
    DWORD LoadedItemCount() const { return m_nLoadedItemCount; }

    // Exchanges everything the page holds with another page; the objects
    // keep their identity.
    void SwapPage(CDrawPage& other);

    BOOL m_bDrawBackImage = 0;
    int m_nBackImagePlacement = placeCenter;
    BOOL m_bBackImageStretch = 0;
    std::string m_strBackImagePath;
    std::string m_strBackImageType = "jpg";
    std::unique_ptr<CPictureHolder> m_pBackImage;
    std::list<CDrawObj*> m_listObjects;
    COLORREF m_crBackFrom = 0xFFFFFF;
    COLORREF m_crBackTo = 0xFFEC77;
    int m_nBackStyle = styleLinear;
    int m_nGradientDirection = 1;

    // A page without objects or picture, holding a place.
    static std::unique_ptr<CDrawPage> MakeBlank();

protected:
    // Destroys the objects and empties the list.
    void DeleteObjects();

private:
    struct BlankTag {};
    explicit CDrawPage(BlankTag);
    DWORD m_nLoadedItemCount = 0;
};
