#pragma once

// The engine's scene: three lights and one text item, the exchange state of
// the present request, and the drawing of it all into a picture. The window
// and the batch answer share it; the OpenGL methods need a current
// compatibility context (the same one for the scene's whole life).

#include "engine3d/GLTextItem.h"
#include "text3d/DibSection.h"
#include "text3d/TextRequest.h"
#include "text3d/TextSceneParams.h"

#include <string>

class CRelievoScene {
public:
    CRelievoScene();
    ~CRelievoScene();

    // The engine's own defaults, in force until a request is read.
    void SetDefaults();

    // Takes a request's values (not yet its glyphs: rebuild with
    // RebuildGlyphs); the capture size becomes the request's width and height.
    void ApplyRequest(const CTextRequest& request);
    // The request the engine writes back: the values in force now, without
    // width and height, with 0 as the fourth rotation and scale component.
    CTextRequest MakeUpdatedRequest() const;

    // OpenGL: rebuilds the text item's lists for the face and glyph style.
    bool RebuildGlyphs();
    // OpenGL: releases the lists and the frame buffer.
    void ReleaseGL();
    // OpenGL: draws the scene into a frame buffer of exactly the capture
    // size (rounded down to even sides) and reads it into picture. A side
    // of 0 gives the empty picture; false when the size is beyond what the
    // context can render, picture then left empty.
    bool Render(CDibSection& picture);
    // The frame buffer that Render drew into, for showing it in a window;
    // 0 when nothing was drawn.
    unsigned FrameBuffer() const { return m_nFrameBuffer; }

    // The capture size, and the size the picture of it gets.
    void SetCaptureSize(long long width, long long height);
    long long CaptureWidth() const { return m_nCaptureWidth; }
    long long CaptureHeight() const { return m_nCaptureHeight; }
    long long PictureWidth() const { return m_nCaptureWidth / 2 * 2; }
    long long PictureHeight() const { return m_nCaptureHeight / 2 * 2; }
    // OpenGL: whether the picture of the capture size can be drawn at all
    // (negative sides cannot).
    bool CaptureFits() const;

    CTextSceneParams::Light m_light[3];
    CGLTextItem m_item;
    std::string m_strFaceName;
    std::string m_strText;
    int m_bWireframe = 0;
    int m_bReplyWritten = 0;

private:
    void DrawScene(int width, int height);
    // The scale that makes the lettering, turned as it is drawn, fill the
    // picture whose near plane reaches halfWidth and halfHeight from its
    // centre, and the shift of the near plane that centres it.
    struct CFit {
        double m_dScale = 1;
        double m_dShiftX = 0;
        double m_dShiftY = 0;
    };
    CFit FitLettering(double halfWidth, double halfHeight);
    bool PrepareFrameBuffer(int width, int height);
    void DeleteFrameBuffer();

    long long m_nCaptureWidth = 0;
    long long m_nCaptureHeight = 0;
    unsigned m_nFrameBuffer = 0;
    unsigned m_nColourBuffer = 0;
    unsigned m_nDepthBuffer = 0;
    int m_nBufferWidth = 0;
    int m_nBufferHeight = 0;
};
