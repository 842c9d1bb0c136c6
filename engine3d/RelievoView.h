#pragma once

// The engine's view: it owns the OpenGL context and the scene, consumes a
// pending request when it paints, shows the picture of the capture size
// centred in the window and writes the reply once per request.

#include "engine3d/RelievoScene.h"
#include "text3d/DibSection.h"

#include <QtOpenGLWidgets/QOpenGLWidget>

class CRelievoView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit CRelievoView(QWidget* parent = nullptr);
    ~CRelievoView() override;

    CRelievoScene& Scene() { return m_scene; }
    const CDibSection& Picture() const { return m_picture; }

    // File, Return: draws the picture again, writes the reply and then the
    // updated request, and releases OpenGL. Safe to call more than once:
    // only the first call writes. After a damaged request nothing is
    // written.
    void Return();
    bool HasReturned() const { return m_bReturned; }

    // The commands of the Properties menu and the two glyph styles.
    void EditMaterial();
    void EditText();
    void EditLight(int index);
    void SetGlyphStyle(int wireframe);

signals:
    // A reply was written (the first paint of a request, or Return).
    void ReplyWritten();
    // A request file could not be read; the message says why.
    void RequestRefused(const QString& message);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    void ConsumeRequest();
    void WriteReply();
    void RebuildGlyphs();
    void ReleaseGL();

    CRelievoScene m_scene;
    CDibSection m_picture;
    bool m_bInitialised = false;
    bool m_bReturned = false;
    // Set when a request asked for a picture larger than OpenGL can draw:
    // no reply is written for it, so the designer learns that it failed.
    bool m_bRefused = false;
    // Set when the present request was damaged: the engine shows its
    // defaults, and Return writes nothing, so that the designer keeps its
    // own text rather than receiving the default scene.
    bool m_bDamagedRequest = false;
};
