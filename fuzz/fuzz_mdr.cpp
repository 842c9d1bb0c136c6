// Opens a calendar document from arbitrary bytes. The first byte chooses
// what the rest is: 'C' the archive stream "Contents" alone, 'S' the summary
// property set alone, 'P' the streams of further pages beside a sound first
// page, anything else a whole compound file (the rest of the input). A bad
// file must fail cleanly and leave the document as it was.
//
// The page streams of 'P': a BYTE, the page count the summary claims, then
// records of a BYTE (the page number in the low seven bits; the high bit
// names the page's holiday stream instead), a WORD length and the bytes.

#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The archive of an empty first page, as a document writes it.
const std::vector<BYTE>& FirstPage()
{
    static const std::vector<BYTE> bytes = [] {
        CDrawDoc doc;
        CStorage root;
        doc.SaveToStorage(&root, nullptr);
        const std::vector<BYTE>* contents = root.OpenStream(CDrawDoc::kContentsStream);
        return contents ? *contents : std::vector<BYTE>();
    }();
    return bytes;
}

void AddPageStreams(const std::vector<BYTE>& rest, CStorage* root)
{
    root->CreateStream(CDrawDoc::kContentsStream, FirstPage());
    if (rest.empty()) return;
    CDocSummary summary;
    summary.SetNumPages(rest[0]);
    summary.WriteTo(root);
    std::size_t at = 1;
    while (at + 3 <= rest.size()) {
        const int selector = rest[at];
        std::size_t length = rest[at + 1] | (static_cast<std::size_t>(rest[at + 2]) << 8);
        at += 3;
        length = std::min(length, rest.size() - at);
        const int number = selector & 0x7F;
        const std::string name =
            selector & 0x80 ? CDrawDoc::PageHolidayStreamName(number) : CDrawDoc::PageStreamName(number);
        root->CreateStream(name, std::vector<BYTE>(rest.begin() + static_cast<std::ptrdiff_t>(at),
                                                   rest.begin() + static_cast<std::ptrdiff_t>(at + length)));
        at += length;
    }
}

}  // namespace

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
    } else if (mode == 'P') {
        CStorage root;
        AddPageStreams(rest, &root);
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
