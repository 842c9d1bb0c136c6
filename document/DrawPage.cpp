#include "document/DrawPage.h"

#include "document/Archive.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawItem.h"
#include "objects/DrawObj.h"
#include "objects/DrawOleObj.h"
#include "objects/Environment.h"

#include <utility>

CDrawPage::CDrawPage()
{
    const CEnvironment& env = Environment();
    // The default background comes from the settings at this moment; the
    // "To Color" is the setting minus 5000, wrapping around as a 32-bit
    // integer.
    COLORREF back = static_cast<COLORREF>(env.m_settings->GetProfileInt("Settings", "BackColor", 0xFFFFFF));
    m_crBackFrom = back;
    m_crBackTo = back - 5000u;
    m_strBackImagePath = env.m_strInstallDir + "BckImage.jpg";
    m_strBackImageType = "jpg";
    m_pBackImage = std::make_unique<CPictureHolder>(m_strBackImagePath, IMAGE_FORMAT_JPG);
}

CDrawPage::CDrawPage(BlankTag) {}

std::unique_ptr<CDrawPage> CDrawPage::MakeBlank()
{
    return std::unique_ptr<CDrawPage>(new CDrawPage(BlankTag{}));
}

CDrawPage::~CDrawPage()
{
    DeleteObjects();
}

void CDrawPage::DeleteObjects()
{
    // Objects remove themselves from the list as they are destroyed.
    std::list<CDrawObj*> objects;
    objects.swap(m_listObjects);
    for (CDrawObj* obj : objects) {
        obj->m_pDocument = nullptr;
        delete obj;
    }
}

int CDrawPage::BackImageFormat(const std::string& type)
{
    // Exact, case-sensitive comparison: "JPG" is not "jpg".
    static const std::pair<const char*, int> table[] = {
        {"bmp", 0}, {"jpg", 2}, {"jpeg", 2}, {"gif", 1}, {"png", 3},
        {"ico", 4}, {"tiff", 5}, {"tif", 5}, {"tga", 6}, {"pcx", 7},
    };
    for (const auto& [ext, code] : table)
        if (type == ext) return code;
    return 0;
}

void CDrawPage::RebuildBackImage()
{
    m_pBackImage = std::make_unique<CPictureHolder>(m_strBackImagePath, BackImageFormat(m_strBackImageType));
}

void CDrawPage::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDWord(m_crBackFrom);
        ar.WriteDWord(m_crBackTo);
        ar.WriteDWord(static_cast<DWORD>(m_nBackStyle));
        ar.WriteDWord(static_cast<DWORD>(m_nGradientDirection));
        ar.WriteDWord(static_cast<DWORD>(m_bDrawBackImage));
        ar.WriteDWord(static_cast<DWORD>(m_nBackImagePlacement));
        ar.WriteDWord(static_cast<DWORD>(m_bBackImageStretch));
        ar.WriteString(m_strBackImagePath);
        ar.WriteString(m_strBackImageType);
        ar.WriteObjectList(m_listObjects);
        // The client items of the embedded objects, each already written
        // inside its object's record and so written here as a reference.
        std::vector<CDrawItem*> items = EmbeddedItems();
        ar.WriteDWord(static_cast<DWORD>(items.size()));
        for (CDrawItem* item : items) ar.WriteObject(item);
        return;
    }
    m_crBackFrom = ar.ReadDWord();
    m_crBackTo = ar.ReadDWord();
    m_nBackStyle = static_cast<int>(ar.ReadDWord());
    m_nGradientDirection = static_cast<int>(ar.ReadDWord());
    m_bDrawBackImage = static_cast<BOOL>(ar.ReadDWord());
    m_nBackImagePlacement = static_cast<int>(ar.ReadDWord());
    m_bBackImageStretch = static_cast<BOOL>(ar.ReadDWord());
    m_strBackImagePath = ar.ReadString();
    m_strBackImageType = ar.ReadString();
    std::list<CDrawObj*> objects;
    ar.ReadObjectList(objects);
    for (CDrawObj* obj : objects) obj->m_pDocument = ar.m_pDocument;
    m_listObjects.splice(m_listObjects.end(), objects);
    DWORD count = ar.ReadDWord();
    // Each reference takes at least two bytes.
    if (count > ar.Remaining() / 2)
        throw CArchiveException(CArchiveException::endOfFile, CMessage(MESSAGE_TEXT("CMessage", "too many client items")));
    for (DWORD i = 0; i < count; ++i) {
        CDrawItem* item = ar.ReadObjectOf<CDrawItem>();
        if (!item)
            throw CArchiveException(CArchiveException::badIndex, CMessage(MESSAGE_TEXT("CMessage", "a null client item")));
        if (ar.LastReadWasNew()) {
            // An item that no embedded object shows has nowhere to go.
            delete item;
            throw CArchiveException(CArchiveException::badIndex, 
                                    CMessage(MESSAGE_TEXT("CMessage", "a client item without its object")));
        }
    }
    m_nLoadedItemCount = count;
}

std::vector<CDrawItem*> CDrawPage::EmbeddedItems() const
{
    std::vector<CDrawItem*> items;
    for (CDrawObj* obj : m_listObjects)
        if (auto* ole = dynamic_cast<CDrawOleObj*>(obj); ole && ole->m_pItem && !ole->m_pItem->IsBlank())
            items.push_back(ole->m_pItem);
    return items;
}

void CDrawPage::SwapPage(CDrawPage& other)
{
    std::swap(m_bDrawBackImage, other.m_bDrawBackImage);
    std::swap(m_nBackImagePlacement, other.m_nBackImagePlacement);
    std::swap(m_bBackImageStretch, other.m_bBackImageStretch);
    m_strBackImagePath.swap(other.m_strBackImagePath);
    m_strBackImageType.swap(other.m_strBackImageType);
    m_pBackImage.swap(other.m_pBackImage);
    m_listObjects.swap(other.m_listObjects);
    std::swap(m_crBackFrom, other.m_crBackFrom);
    std::swap(m_crBackTo, other.m_crBackTo);
    std::swap(m_nBackStyle, other.m_nBackStyle);
    std::swap(m_nGradientDirection, other.m_nGradientDirection);
    std::swap(m_nLoadedItemCount, other.m_nLoadedItemCount);
}
