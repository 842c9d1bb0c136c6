#include "objects/ByteReader.h"
#include "text3d/DibSection.h"

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as the bitmap file of a rendered picture and as its
// archive record, then writes the record again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDibSection file;
    CByteReader fileIn(data, size);
    if (file.ReadBitmapFile(fileIn)) {
        file.Flip();
        file.Mirror();
    }
    CDibSection record;
    CByteReader recordIn(data, size);
    if (record.ReadRecord(recordIn)) {
        CByteWriter out;
        record.WriteRecord(out);
    }
    return 0;
}
