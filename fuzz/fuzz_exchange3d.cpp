#include "text3d/DibSection.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as the three exchange files of the 3D text engine:
// the designer's request, the engine's updated request and the reply
// picture; what is read is written again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (auto form : {CTextRequest::Form::designer, CTextRequest::Form::updated}) {
        CTextRequest request;
        if (request.Read(data, size, form)) request.Write(form);
    }
    CDibSection picture;
    if (CTextReply::Read(data, size, picture)) CTextReply::Write(picture);
    return 0;
}
