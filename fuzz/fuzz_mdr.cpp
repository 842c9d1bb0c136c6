// Opens a calendar document from arbitrary bytes. The first byte chooses
// what the rest is: 'C' the archive stream "Contents" alone, 'S' the summary
// property set alone, anything else a whole compound file (the rest of the
// input). A bad file must fail cleanly and leave the document as it was.

#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const BYTE mode = data[0];
    std::vector<BYTE> rest(data + 1, data + size);
    CDrawDoc doc;
    std::string error;
    bool loaded = false;
    if (mode == 'C') {
        CStorage root;
        root.CreateStream(CDrawDoc::kContentsStream, rest);
        loaded = doc.LoadFromStorage(root, &error);
    } else if (mode == 'S') {
        CStorage root;
        root.CreateStream(CDocSummary::kStreamName, rest);
        CDocSummary summary;
        summary.ReadFrom(&root);
        summary.GetEditTime();
        summary.GetCreateDate();
    } else {
        loaded = doc.LoadFromBytes(rest.data(), rest.size(), &error);
    }
    if (loaded) {
        // A document that was read can be written again.
        CStorage root;
        doc.SaveToStorage(&root, &error);
    }
    return 0;
}
