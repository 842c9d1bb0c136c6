#pragma once

// What an object needs from the view it is edited in: invalidation and the
// conversion between page units and window pixels. The design view of the
// program implements it; tests use a plain one.

#include "objects/Types.h"

class CDrawObj;

class CDrawView {
public:
    virtual ~CDrawView() = default;
    virtual void InvalObj(CDrawObj* obj) = 0;
    virtual void DocToClient(CPoint& point) const = 0;
    virtual void DocToClient(CRect& rect) const = 0;
    virtual void ClientToDoc(CPoint& point) const = 0;
    virtual void ClientToDoc(CRect& rect) const = 0;
};

// Cursor shapes for the sizing handles.
enum class CursorShape { Arrow, Cross, SizeNWSE, SizeNS, SizeNESW, SizeWE, SizeAll };
