#include "document/Archive.h"

#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"

CClassRegistry::CClassRegistry()
{
    Register("CDrawRect", [] { return new CDrawRect(); });
    Register("CDrawPoly", [] { return new CDrawPoly(); });
    Register("CDrawPolyL", [] { return new CDrawPolyL(); });
    Register("CDrawOleObj", [] { return new CDrawOleObj(); });
    Register("CDrawItem", [] { return new CDrawItem(); });
}

CClassRegistry& CClassRegistry::Instance()
{
    static CClassRegistry registry;
    return registry;
}

void CClassRegistry::Register(const std::string& name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

CObject* CClassRegistry::Create(const std::string& name) const
{
    auto it = m_factories.find(name);
    return it == m_factories.end() ? nullptr : it->second();
}

bool CClassRegistry::IsKnown(const std::string& name) const
{
    return m_factories.count(name) != 0;
}
