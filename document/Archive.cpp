#include "document/Archive.h"

#include "objects/DrawObj.h"

#include <memory>
#include <vector>

namespace {

// The archive's refusals, in words the windows can translate; a class's
// name goes in as it stands.
[[noreturn]] void Refuse(CArchiveException::Cause cause, const char* text)
{
    throw CArchiveException(cause, CMessage(text));
}

[[noreturn]] void Refuse(CArchiveException::Cause cause, const char* text, const std::string& name)
{
    throw CArchiveException(cause, CMessage(text).Arg(name));
}

[[noreturn]] void RefuseUnknownClass(const std::string& name)
{
    Refuse(CArchiveException::badClass, MESSAGE_TEXT("CMessage", "Unknown class \"%1\""), name);
}

}  // namespace

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(const BYTE* data, std::size_t size) : m_mode(load), m_reader(data, size)
{
    m_loaded.emplace_back();  // index 0 is the null reference
}

CArchive::CArchive(const std::vector<BYTE>& bytes) : CArchive(bytes.data(), bytes.size()) {}

CArchive::~CArchive() = default;

void CArchive::Require(std::size_t count) const
{
    if (!m_reader.Has(count))
        Refuse(CArchiveException::endOfFile, MESSAGE_TEXT("CMessage", "The archive ends inside a record"));
}

void CArchive::CheckReader() const
{
    if (m_reader.Failed())
        Refuse(CArchiveException::endOfFile, MESSAGE_TEXT("CMessage", "The archive ends inside a record"));
}

// --- Values ------------------------------------------------------------------

void CArchive::WriteString(const std::string& s)
{
    const std::size_t n = s.size();
    if (n < 0xFF) {
        WriteByte(static_cast<BYTE>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<WORD>(n));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<DWORD>(n));
    }
    m_writer.Bytes(s);
}

void CArchive::WriteRect(const CRect& r)
{
    WriteLong(r.left);
    WriteLong(r.top);
    WriteLong(r.right);
    WriteLong(r.bottom);
}

void CArchive::WritePoint(const CPoint& p)
{
    WriteLong(p.x);
    WriteLong(p.y);
}

void CArchive::WriteSize(const CSize& s)
{
    WriteLong(s.cx);
    WriteLong(s.cy);
}

BYTE CArchive::ReadByte()
{
    Require(1);
    return m_reader.U8();
}

WORD CArchive::ReadWord()
{
    Require(2);
    return m_reader.U16();
}

DWORD CArchive::ReadDWord()
{
    Require(4);
    return m_reader.U32();
}

LONG CArchive::ReadLong()
{
    Require(4);
    return m_reader.I32();
}

float CArchive::ReadFloat()
{
    Require(4);
    return m_reader.F32();
}

std::string CArchive::ReadString()
{
    std::size_t n = ReadByte();
    if (n == 0xFF) {
        n = ReadWord();
        if (n == 0xFFFF) n = ReadDWord();
    }
    // The length is checked against what is really there before any
    // allocation, so a hostile prefix cannot ask for gigabytes.
    Require(n);
    return m_reader.Bytes(n);
}

CRect CArchive::ReadRect()
{
    Require(16);
    CRect r;
    r.left = m_reader.I32();
    r.top = m_reader.I32();
    r.right = m_reader.I32();
    r.bottom = m_reader.I32();
    return r;
}

CPoint CArchive::ReadPoint()
{
    Require(8);
    const int x = m_reader.I32();
    const int y = m_reader.I32();
    return {x, y};
}

CSize CArchive::ReadSize()
{
    Require(8);
    const int cx = m_reader.I32();
    const int cy = m_reader.I32();
    return {cx, cy};
}

void CArchive::Read(void* data, std::size_t count)
{
    Require(count);
    m_reader.Read(data, count);
}

void CArchive::WriteCount(DWORD count)
{
    if (count < 0xFFFF) {
        WriteWord(static_cast<WORD>(count));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(count);
    }
}

DWORD CArchive::ReadCount()
{
    DWORD n = ReadWord();
    if (n == 0xFFFF) n = ReadDWord();
    return n;
}

// --- Object references ----------------------------------------------------------

void CArchive::WriteIndex(DWORD index, bool isClass)
{
    if (index < kBigObjectTag) {
        WriteWord(static_cast<WORD>(isClass ? (kClassTag | index) : index));
    } else {
        WriteWord(kBigObjectTag);
        WriteDWord(isClass ? (kBigClassTag | index) : index);
    }
}

void CArchive::WriteObject(const CObject* object)
{
    if (!object) {
        WriteWord(kNullTag);
        return;
    }
    auto known = m_storedObjects.find(object);
    if (known != m_storedObjects.end()) {
        WriteIndex(known->second, false);
        return;
    }
    const std::string name = object->GetClassName();
    auto cls = m_storedClasses.find(name);
    if (cls == m_storedClasses.end()) {
        WriteWord(kNewClassTag);
        WriteWord(0);  // schema
        WriteWord(static_cast<WORD>(name.size()));
        m_writer.Bytes(name);
        m_storedClasses[name] = m_nNextIndex++;
    } else {
        WriteIndex(cls->second, true);
    }
    m_storedObjects[object] = m_nNextIndex++;
    // Serialize is not const, but storing only reads the object.
    const_cast<CObject*>(object)->Serialize(*this);
}

DWORD CArchive::ReadReferenceTag(bool* isClass)
{
    const WORD tag = ReadWord();
    if (tag == kBigObjectTag) {
        const DWORD big = ReadDWord();
        *isClass = (big & kBigClassTag) != 0;
        return big & ~kBigClassTag;
    }
    if (tag & kClassTag) {
        *isClass = true;
        return tag & ~kClassTag;
    }
    *isClass = false;
    return tag;
}

CObject* CArchive::ReadObject()
{
    return ReadObjectChecked(nullptr);
}

void CArchive::ReadObjectInto(CObject* object)
{
    if (ReadObjectChecked(nullptr, object) != object)
        Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "The record is not one object"));
}

CObject* CArchive::ReadObjectChecked(const std::function<bool(CObject*)>& accept, CObject* into)
{
    m_bLastReadNew = false;
    if (IsStoring()) Refuse(CArchiveException::genericError, MESSAGE_TEXT("CMessage", "The archive is not loading"));
    if (m_bBroken) Refuse(CArchiveException::genericError, MESSAGE_TEXT("CMessage", "The archive failed earlier"));

    const std::size_t tagPos = m_reader.Tell();
    const WORD first = ReadWord();
    std::string className;
    if (first == kNewClassTag) {
        const WORD schema = ReadWord();
        const WORD length = ReadWord();
        Require(length);
        className = m_reader.Bytes(length);
        if (!CClassRegistry::Instance().IsKnown(className))
            RefuseUnknownClass(className);
        if (schema != 0)
            Refuse(CArchiveException::badSchema, MESSAGE_TEXT("CMessage", "Unexpected schema of class %1"), className);
        LoadedEntry entry;
        entry.bClass = true;
        entry.strClass = className;
        m_loaded.push_back(entry);
    } else {
        // Not a new class: go back and read the tag with its long form.
        m_reader.Seek(tagPos);
        bool isClass = false;
        const DWORD index = ReadReferenceTag(&isClass);
        if (!isClass) {
            if (index == 0) return nullptr;
            if (index >= m_loaded.size() || m_loaded[index].bClass || !m_loaded[index].pObject)
                Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "Bad object reference"));
            CObject* back = m_loaded[index].pObject;
            if (accept && !accept(back))
                Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "Reference to an object of the wrong class"));
            return back;
        }
        if (index == 0 || index >= m_loaded.size() || !m_loaded[index].bClass)
            Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "Bad class reference"));
        className = m_loaded[index].strClass;
    }

    if (into && className != into->GetClassName())
        Refuse(CArchiveException::badClass, MESSAGE_TEXT("CMessage", "A record of class %1 for another class"), className);
    // An object read into stays its caller's, whatever happens.
    std::unique_ptr<CObject> object(into ? into : CClassRegistry::Instance().Create(className));
    struct CKeep {
        std::unique_ptr<CObject>& object;
        bool keep;
        ~CKeep()
        {
            if (keep) (void)object.release();
        }
    } keep{object, into != nullptr};
    if (!object) RefuseUnknownClass(className);
    if (accept && !accept(object.get()))
        Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "Object of class %1 not expected here"), className);
    if (m_nDepth >= kMaxDepth)
        Refuse(CArchiveException::genericError, MESSAGE_TEXT("CMessage", "Objects nested too deeply"));

    const std::size_t slot = m_loaded.size();
    LoadedEntry entry;
    entry.pObject = object.get();
    m_loaded.push_back(entry);
    ++m_nDepth;
    try {
        object->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        // The object dies here, with whatever it already owned; no later
        // reference may reach any of it.
        m_loaded[slot].pObject = nullptr;
        m_bBroken = true;
        throw;
    }
    --m_nDepth;
    m_bLastReadNew = true;
    return object.release();
}

// --- Object lists ----------------------------------------------------------------

void CArchive::WriteObjectList(const std::list<CDrawObj*>& objects)
{
    WriteCount(static_cast<DWORD>(objects.size()));
    for (const CDrawObj* obj : objects) WriteObject(obj);
}

void CArchive::ReadObjectList(std::list<CDrawObj*>& objects)
{
    const DWORD count = ReadCount();
    // Every element takes at least its two-byte tag.
    if (static_cast<unsigned long long>(count) * 2 > Remaining())
        Refuse(CArchiveException::endOfFile, MESSAGE_TEXT("CMessage", "Object list longer than the archive"));

    std::vector<std::unique_ptr<CDrawObj>> read;
    try {
        for (DWORD i = 0; i < count; ++i) {
            CDrawObj* obj = ReadObjectOf<CDrawObj>();
            if (!obj || !m_bLastReadNew)
                Refuse(CArchiveException::badIndex, MESSAGE_TEXT("CMessage", "An object list may hold each object once"));
            read.emplace_back(obj);
        }
    } catch (...) {
        // The objects read so far die with this frame, and with them
        // anything they own that the index table still points at.
        m_bBroken = true;
        throw;
    }
    for (auto& p : read) objects.push_back(p.release());
}
