#pragma once

// The archive: the byte stream that documents, the clipboard and drag and
// drop are written in. Integers are little-endian; strings carry a one, three
// or seven byte length prefix; objects are written by reference, a class
// being named the first time it appears and referred to by index afterwards,
// and an object written a second time being a back reference. Classes and
// objects share one index counter that starts at 1.
//
// Reading is strict: every length and count is checked against the bytes
// that remain before anything is allocated, and any truncation, unknown
// class, unexpected schema or bad reference throws CArchiveException.

#include "objects/ByteReader.h"
#include "objects/Message.h"
#include "objects/Types.h"

#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

class CArchive;
class CDrawDoc;
class CDrawObj;

// The base of everything that the archive can write by reference.
class CObject {
public:
    virtual ~CObject() = default;
    // The class name under which the object is written and created again.
    virtual const char* GetClassName() const = 0;
    virtual void Serialize(CArchive& ar) = 0;
};

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,      // the stream ended inside a record
        badClass,       // a class name that the registry does not know
        badSchema,      // a schema other than the one the class writes
        badIndex,       // a reference to nothing, or to the wrong thing
        genericError,   // a record that contradicts itself
    };
    CArchiveException(Cause cause, const CMessage& message)
        : std::runtime_error(message.Text()), m_cause(cause), m_message(message)
    {
    }
    // A reason in words that no catalogue knows.
    CArchiveException(Cause cause, const std::string& what) : CArchiveException(cause, CMessage::Verbatim(what)) {}
    const CMessage& Message() const { return m_message; }
    Cause m_cause;

private:
    CMessage m_message;
};

// Creates objects by their class name; the five drawing classes are known
// from the start.
class CClassRegistry {
public:
    using Factory = std::function<CObject*()>;
    static CClassRegistry& Instance();
    void Register(const std::string& name, Factory factory);
    // Null for an unknown name.
    CObject* Create(const std::string& name) const;
    bool IsKnown(const std::string& name) const;

private:
    CClassRegistry();
    std::map<std::string, Factory> m_factories;
};

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // An archive that stores into its own buffer.
    CArchive();
    // An archive that loads from bytes the caller keeps alive.
    CArchive(const BYTE* data, std::size_t size);
    explicit CArchive(const std::vector<BYTE>& bytes);
    // The bytes must outlive the archive, so a temporary will not do.
    explicit CArchive(std::vector<BYTE>&&) = delete;
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // The bytes written so far (storing).
    const std::vector<BYTE>& Buffer() const { return m_writer.Buffer(); }
    // Bytes not yet read (loading).
    std::size_t Remaining() const { return m_reader.Remaining(); }
    bool AtEnd() const { return m_reader.AtEnd(); }
    // Throws endOfFile unless count more bytes are there to read.
    void Require(std::size_t count) const;

    // Values.
    void WriteByte(BYTE v) { m_writer.U8(v); }
    void WriteWord(WORD v) { m_writer.U16(v); }
    void WriteDWord(DWORD v) { m_writer.U32(v); }
    void WriteLong(LONG v) { m_writer.I32(v); }
    void WriteFloat(float v) { m_writer.F32(v); }
    void WriteString(const std::string& s);
    void WriteRect(const CRect& r);
    void WritePoint(const CPoint& p);
    void WriteSize(const CSize& s);
    void Write(const void* data, std::size_t count) { m_writer.Write(data, count); }

    BYTE ReadByte();
    WORD ReadWord();
    DWORD ReadDWord();
    LONG ReadLong();
    float ReadFloat();
    std::string ReadString();
    CRect ReadRect();
    CPoint ReadPoint();
    CSize ReadSize();
    void Read(void* data, std::size_t count);

    // Objects by reference. ReadObject returns a new object (owned by the
    // caller) or an object read earlier from this archive (a back
    // reference), or null. ReadObjectOf checks the class before the record
    // is read, so that a record of the wrong class is never parsed.
    void WriteObject(const CObject* object);
    CObject* ReadObject();
    // Reads a record of the object's own class back into the object itself
    // (the same identity); throws like ReadObject, the object staying the
    // caller's.
    void ReadObjectInto(CObject* object);
    template <class T>
    T* ReadObjectOf()
    {
        return static_cast<T*>(ReadObjectChecked([](CObject* o) { return dynamic_cast<T*>(o) != nullptr; }));
    }
    // True when the object was created by this archive's last ReadObject
    // call rather than found as a back reference.
    bool LastReadWasNew() const { return m_bLastReadNew; }

    // Object lists: a count, then each element as an object reference. Every
    // element read must be a new drawing object (a list never holds nulls
    // or one object twice); on failure the objects read so far are deleted
    // and the list is left as it was.
    void WriteObjectList(const std::list<CDrawObj*>& objects);
    void ReadObjectList(std::list<CDrawObj*>& objects);

    // Access for records that have their own byte-level form (bitmaps).
    CByteWriter& Writer() { return m_writer; }
    CByteReader& Reader() { return m_reader; }
    // Throws endOfFile when the reader has run past the end.
    void CheckReader() const;

    // Counts written as a WORD, or 0xFFFF and a DWORD for large counts.
    void WriteCount(DWORD count);
    DWORD ReadCount();

    // The document being loaded or saved, for objects to set theirs.
    CDrawDoc* m_pDocument = nullptr;
    // When set, embedded items leave their picture bytes out of the stream
    // because the document keeps them in the item's own storage.
    bool m_bItemDataInStorage = false;

    static constexpr WORD kNullTag = 0;
    static constexpr WORD kNewClassTag = 0xFFFF;
    static constexpr WORD kClassTag = 0x8000;
    static constexpr WORD kBigObjectTag = 0x7FFF;
    static constexpr DWORD kBigClassTag = 0x80000000u;
    // Nested records (an embedded object holding its item) never go deeper
    // than this; anything deeper is a hostile stream.
    static constexpr int kMaxDepth = 32;

private:
    CObject* ReadObjectChecked(const std::function<bool(CObject*)>& accept, CObject* into = nullptr);
    DWORD ReadReferenceTag(bool* isClass);
    void WriteIndex(DWORD index, bool isClass);

    Mode m_mode;
    CByteWriter m_writer;
    CByteReader m_reader;

    // Storing: the index given to each class name and object written.
    std::map<std::string, DWORD> m_storedClasses;
    std::map<const CObject*, DWORD> m_storedObjects;
    // Loading: what each index stands for (slot 0 is the null reference).
    struct LoadedEntry {
        bool bClass = false;
        std::string strClass;
        CObject* pObject = nullptr;
    };
    std::vector<LoadedEntry> m_loaded;
    DWORD m_nNextIndex = 1;
    int m_nDepth = 0;
    bool m_bLastReadNew = false;
    // Set once a record failed: objects it created are gone, so no further
    // object may be read.
    bool m_bBroken = false;
};
