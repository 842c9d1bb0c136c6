#pragma once

// A structured-storage compound file held in memory: a root storage with
// named streams and named sub-storages. Documents are built up here and then
// written in one go, and files are read completely before anything in them
// is interpreted, so a bad file never leaves a half-written or half-read
// state behind. The on-disk format is handled by libgsf, whose types stay in
// CompoundFile.cpp.

#include "objects/Message.h"
#include "objects/Types.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CStorage {
public:
    // Longer names are refused: the format keeps at most 31 characters and
    // longer ones would be written corrupt.
    static constexpr std::size_t kMaxNameLength = 31;
    static bool IsValidName(const std::string& name);

    // Creates (replacing) a stream; returns false for a bad name or when a
    // sub-storage already has the name.
    bool CreateStream(const std::string& name, std::vector<BYTE> bytes);
    // The stream's bytes, or null when there is no such stream.
    const std::vector<BYTE>* OpenStream(const std::string& name) const;
    // Creates the sub-storage if it is missing; null for a bad name or when a
    // stream has the name.
    CStorage* CreateStorage(const std::string& name);
    const CStorage* OpenStorage(const std::string& name) const;
    bool Remove(const std::string& name);

    const std::vector<std::pair<std::string, std::vector<BYTE>>>& Streams() const { return m_streams; }
    const std::vector<std::pair<std::string, std::unique_ptr<CStorage>>>& Storages() const { return m_storages; }
    bool IsEmpty() const { return m_streams.empty() && m_storages.empty(); }

private:
    std::vector<std::pair<std::string, std::vector<BYTE>>> m_streams;
    std::vector<std::pair<std::string, std::unique_ptr<CStorage>>> m_storages;
};

class CCompoundFile {
public:
    // Limits for files read from disk.
    static constexpr std::size_t kMaxFileSize = 512u * 1024u * 1024u;
    static constexpr int kMaxDepth = 16;
    static constexpr std::size_t kMaxEntries = 100000;

    // Encodes the storage tree as a compound file.
    static bool Write(const CStorage& root, std::vector<BYTE>* bytes, CMessageOut error);
    // Decodes a compound file; on failure root is left empty.
    static bool Read(const BYTE* data, std::size_t size, CStorage* root, CMessageOut error);

    // Whole files. Saving writes a temporary file in the same folder and
    // renames it over the target, so a failure leaves the old file as it was.
    static bool Save(const CStorage& root, const std::string& path, CMessageOut error);
    static bool Load(const std::string& path, CStorage* root, CMessageOut error);

private:
    static bool WriteBytes(const CStorage& root, std::vector<BYTE>* bytes, CMessage* error);
    static bool ReadBytes(const BYTE* data, std::size_t size, CStorage* root, CMessage* error);
};

// Reads a whole file with a size cap; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::vector<BYTE>* bytes, CMessageOut error);
// Writes bytes to a temporary file beside path and renames it over path.
bool WriteFileReplacing(const std::string& path, const std::vector<BYTE>& bytes, CMessageOut error);
