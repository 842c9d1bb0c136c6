// Reads an object list from arbitrary bytes, as opening a document or
// pasting from the clipboard does. Every input must either load or fail with
// the archive's exception, without touching memory it does not own.

#include "document/Archive.h"
#include "objects/DrawObj.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CArchive ar(data, size);
    std::list<CDrawObj*> objects;
    std::vector<std::unique_ptr<CObject>> loose;
    try {
        ar.ReadObjectList(objects);
        // Whatever follows may be further references, as in a document;
        // back references belong to what was read before.
        while (!ar.AtEnd()) {
            CObject* o = ar.ReadObject();
            if (o && ar.LastReadWasNew()) loose.emplace_back(o);
        }
    } catch (const CArchiveException&) {
    }
    for (CDrawObj* obj : objects) obj->Remove();
    return 0;
}
