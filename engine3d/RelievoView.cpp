#include "engine3d/RelievoView.h"

#include "editor3d/EditorT.h"
#include "editor3d/LightEditor.h"
#include "editor3d/MatEditor.h"
#include "text3d/ExchangeNames.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <QtCore/QFile>
#include <QtCore/QTimer>
#include <QtGui/QOpenGLContext>
#include <QtGui/QOpenGLExtraFunctions>
#include <QtGui/QSurfaceFormat>

#include <cmath>
#include <cstdio>

CRelievoView::CRelievoView(QWidget* parent) : QOpenGLWidget(parent)
{
    // The drawing is fixed-function OpenGL: a compatibility context.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    setMinimumSize(64, 64);
}

CRelievoView::~CRelievoView()
{
    ReleaseGL();
}

void CRelievoView::initializeGL()
{
    m_scene.m_item.m_strText = m_scene.m_strText;
    RebuildGlyphs();
    m_scene.m_bReplyWritten = 0;
    m_bInitialised = true;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CRelievoView::ReleaseGL, Qt::DirectConnection);
}

void CRelievoView::ReleaseGL()
{
    if (!m_bInitialised) return;
    makeCurrent();
    m_scene.ReleaseGL();
    doneCurrent();
    m_bInitialised = false;
}

void CRelievoView::RebuildGlyphs()
{
    // A face without outlines leaves the item without lists; it then draws
    // nothing and the reply is white.
    m_scene.RebuildGlyphs();
}

void CRelievoView::resizeGL(int width, int height)
{
    // The client size in the widget's own units; on a high-resolution
    // screen the picture keeps that size and is shown magnified.
    Q_UNUSED(width);
    Q_UNUSED(height);
    m_scene.SetCaptureSize(this->width(), this->height());
    m_bRefused = false;
}

void CRelievoView::ConsumeRequest()
{
    QFile file(QString::fromLatin1(kRequestFile));
    if (!file.exists()) return;
    std::vector<BYTE> bytes;
    const bool read = ReadExchangeFile(kRequestFile, bytes, kMaxRequestBytes);
    std::remove(kRequestFile);
    CTextRequest request;
    if (!read || !request.Read(bytes, CTextRequest::Form::designer)) {
        // Nothing is answered for a damaged request; the defaults stay.
        m_scene.m_bReplyWritten = 1;
        m_bDamagedRequest = true;
        const QString message = tr("The request \"%1\" could not be read; the scene keeps its values.")
                                    .arg(QString::fromLatin1(kRequestFile));
        QTimer::singleShot(0, this, [this, message] { emit RequestRefused(message); });
        return;
    }
    m_scene.ApplyRequest(request);
    m_bDamagedRequest = false;
    m_bRefused = !m_scene.CaptureFits();
    RebuildGlyphs();
    update();
}

void CRelievoView::paintGL()
{
    if (m_bReturned) {
        context()->functions()->glClearColor(1, 1, 1, 1);
        context()->functions()->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    ConsumeRequest();
    const bool drawn = !m_bRefused && m_scene.Render(m_picture);

    // The picture is shown centred; around it the window stays white.
    // Qt's headers come before OpenGL's extension prototypes here, so the
    // frame-buffer calls go through Qt's function table.
    QOpenGLExtraFunctions* gl = context()->extraFunctions();
    const qreal ratio = devicePixelRatioF();
    const int deviceWidth = static_cast<int>(std::lround(width() * ratio));
    const int deviceHeight = static_cast<int>(std::lround(height() * ratio));
    gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    gl->glViewport(0, 0, deviceWidth, deviceHeight);
    gl->glClearColor(1, 1, 1, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (drawn && m_scene.FrameBuffer() && !m_picture.m_bits.empty()) {
        const int w = m_picture.Width();
        const int h = m_picture.Height();
        const int shownWidth = static_cast<int>(std::lround(w * ratio));
        const int shownHeight = static_cast<int>(std::lround(h * ratio));
        const int x = (deviceWidth - shownWidth) / 2;
        const int y = (deviceHeight - shownHeight) / 2;
        gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_scene.FrameBuffer());
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
        gl->glBlitFramebuffer(0, 0, w, h, x, y, x + shownWidth, y + shownHeight, GL_COLOR_BUFFER_BIT,
                          shownWidth == w ? GL_NEAREST : GL_LINEAR);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    }
    if (!m_scene.m_bReplyWritten && !m_bRefused && drawn) WriteReply();
}

void CRelievoView::WriteReply()
{
    // The platform reports its own errors; a reply that cannot be written
    // shows up in the designer as a failed exchange.
    WriteExchangeFile(kReplyFile, CTextReply::Write(m_picture));
    m_scene.m_bReplyWritten = 1;
    emit ReplyWritten();
}

void CRelievoView::Return()
{
    if (m_bReturned) return;
    m_bReturned = true;
    if (m_bDamagedRequest) {
        ReleaseGL();
        return;
    }
    if (m_bInitialised) {
        makeCurrent();
        const bool drawn = !m_bRefused && m_scene.Render(m_picture);
        doneCurrent();
        if (drawn) WriteReply();
    }
    WriteExchangeFile(kRequestFile, m_scene.MakeUpdatedRequest().Write(CTextRequest::Form::updated));
    ReleaseGL();
}

void CRelievoView::SetGlyphStyle(int wireframe)
{
    m_scene.m_bWireframe = wireframe ? 1 : 0;
    if (m_bInitialised) {
        makeCurrent();
        RebuildGlyphs();
        doneCurrent();
    }
    update();
}

void CRelievoView::EditMaterial()
{
    CMatEditor sheet(this);
    CMatEditor::CValues v{};
    CGLTextItem& item = m_scene.m_item;
    item.GetAmbient(v.m_ambient);
    item.GetDiffuse(v.m_diffuse);
    item.GetSpecular(v.m_specular);
    item.GetEmission(v.m_emission);
    v.m_fShininess = item.GetShininess();
    for (int i = 0; i < 3; ++i) {
        v.m_rotation[i] = static_cast<float>(item.m_rotation[i]);
        v.m_scale[i] = static_cast<float>(item.m_scale[i]);
    }
    v.m_rotation[3] = v.m_scale[3] = 0;
    sheet.SetValues(v);
    if (sheet.exec() != QDialog::Accepted) return;
    v = sheet.GetValues();
    item.SetAmbient(v.m_ambient);
    item.SetDiffuse(v.m_diffuse);
    item.SetSpecular(v.m_specular);
    item.SetEmission(v.m_emission);
    item.SetShininess(v.m_fShininess);
    for (int i = 0; i < 3; ++i) {
        item.m_rotation[i] = v.m_rotation[i];
        item.m_scale[i] = v.m_scale[i];
    }
    update();
}

void CRelievoView::EditText()
{
    CPageSheet sheet(tr("Display"), this);
    auto* page = new CEditorT;
    page->SetText(m_scene.m_strText);
    page->SetFaceName(m_scene.m_strFaceName);
    page->SetGlyphStyle(m_scene.m_bWireframe);
    sheet.AddPage(page, page->Caption());
    if (sheet.exec() != QDialog::Accepted) return;
    m_scene.m_strText = page->GetText();
    m_scene.m_item.m_strText = m_scene.m_strText;
    m_scene.m_strFaceName = page->GetFaceName();
    SetGlyphStyle(page->GetGlyphStyle());
}

void CRelievoView::EditLight(int index)
{
    if (index < 0 || index > 2) return;
    static const char* const captions[3] = {QT_TR_NOOP("Lighting Properties"), QT_TR_NOOP("Light Source 2"),
                                            QT_TR_NOOP("Light Source 3")};
    CLightEditor sheet(tr(captions[index]), this);
    sheet.SetLight(m_scene.m_light[index]);
    if (sheet.exec() != QDialog::Accepted) return;
    m_scene.m_light[index] = sheet.GetLight();
    update();
}
