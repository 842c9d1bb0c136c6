#include "app/DocChange.h"

#include "document/DrawDoc.h"

namespace {

class CDirectSink : public CChangeSink {
public:
    void Commit(CDrawDoc* doc, const CDocChange&, const std::function<void()>& apply) override
    {
        apply();
        if (doc) doc->SetModifiedFlag(true);
    }
};

ChangeSinkResolver& Resolver()
{
    static ChangeSinkResolver resolver;
    return resolver;
}

}  // namespace

CChangeSink* ChangeSinkFor(CDrawDoc* doc)
{
    static CDirectSink direct;
    if (Resolver()) {
        if (CChangeSink* sink = Resolver()(doc)) return sink;
    }
    return &direct;
}

void SetChangeSinkResolver(ChangeSinkResolver resolver) { Resolver() = std::move(resolver); }
