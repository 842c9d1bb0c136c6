#include "engine3d/EglContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <QtCore/QCoreApplication>

#include <cstring>

namespace {

std::string Tr(const char* text)
{
    return QCoreApplication::translate("relievo", text).toStdString();
}

}  // namespace

CEglContext::~CEglContext()
{
    if (!m_display) return;
    EGLDisplay display = static_cast<EGLDisplay>(m_display);
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (m_surface) eglDestroySurface(display, static_cast<EGLSurface>(m_surface));
    if (m_context) eglDestroyContext(display, static_cast<EGLContext>(m_context));
    eglTerminate(display);
}

bool CEglContext::Create(std::string& error)
{
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!clientExtensions || !std::strstr(clientExtensions, "EGL_MESA_platform_surfaceless") || !getPlatformDisplay) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL offers no surfaceless platform (Mesa's EGL is needed)"));
        return false;
    }
    EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL could not be initialised on the surfaceless platform"));
        return false;
    }
    m_display = display;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL offers no desktop OpenGL"));
        return false;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_DEPTH_SIZE, 24,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count < 1) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL has no configuration for OpenGL pictures"));
        return false;
    }
    // A context without profile attributes is a compatibility context,
    // which the fixed-function drawing needs.
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL could not create an OpenGL context"));
        return false;
    }
    m_context = context;
    // The picture is drawn into a frame buffer object; the small pbuffer only
    // gives the context a surface to be current on.
    const EGLint pbufferAttributes[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, pbufferAttributes);
    if (surface != EGL_NO_SURFACE) m_surface = surface;
    if (!eglMakeCurrent(display, surface, surface, context)) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "EGL could not make the OpenGL context current"));
        return false;
    }
    return true;
}
