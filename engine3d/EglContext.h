#pragma once

// A desktop OpenGL compatibility context without a window system, made
// through EGL on Mesa's surfaceless platform, for answering a request in
// batch mode on a machine without a display.

#include <string>

class CEglContext {
public:
    CEglContext() = default;
    ~CEglContext();
    CEglContext(const CEglContext&) = delete;
    CEglContext& operator=(const CEglContext&) = delete;

    // Creates the context and makes it current; on false error says why.
    bool Create(std::string& error);

private:
    void* m_display = nullptr;
    void* m_context = nullptr;
    void* m_surface = nullptr;
};
