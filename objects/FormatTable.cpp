#include "objects/FormatModule.h"

// The formats module's one entry: the table of its readers.
extern "C" __attribute__((visibility("default"))) const CFormatTable* MondrelFormatTable()
{
    static const CFormatTable table{kFormatTableVersion, sizeof(CFormatTable), &ReadPngPicture, &ReadTiffPicture,
                                    &ReadICalendarText};
    return &table;
}
