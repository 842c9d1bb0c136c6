#include "engine3d/RelievoScene.h"

#include "text3d/TextReply.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

CRelievoScene::CRelievoScene()
{
    SetDefaults();
}

CRelievoScene::~CRelievoScene() = default;

void CRelievoScene::SetDefaults()
{
    const CTextSceneParams::Light lights[3] = {
        {{100, 0, 0, 0}, {0.3f, 0.3f, 0.3f, 1}, {0.1f, 0.1f, 0.1f, 1}, {0.3f, 0.3f, 0.1f, 1}},
        {{-200, 0, 0, 0}, {0.3f, 0.3f, 0.3f, 1}, {0.1f, 0.1f, 0.1f, 1}, {0.3f, 0.3f, 0.1f, 1}},
        {{0, 0, 300, 0}, {0.3f, 0.3f, 0.3f, 1}, {0.1f, 0.1f, 0.1f, 1}, {0.3f, 0.3f, 0.1f, 1}},
    };
    std::copy(std::begin(lights), std::end(lights), m_light);
    // The lettering is centred in the picture (see DrawScene), not put at
    // a fixed place: a fixed place showed a long text only in part.
    const double position[3] = {0, 0, 0};
    const double scale[3] = {1, 1, 1};
    const double rotation[3] = {10, -30, 0};
    std::copy(position, position + 3, m_item.m_position);
    std::copy(scale, scale + 3, m_item.m_scale);
    std::copy(rotation, rotation + 3, m_item.m_rotation);
    const float ambient[4] = {0.1f, 0.1f, 1.0f, 1.0f};
    const float diffuse[4] = {0.1f, 0.1f, 1.0f, 0.1f};
    const float specular[4] = {0.9f, 0.9f, 0.9f, 1.0f};
    const float emission[4] = {0.1f, 0.1f, 0.1f, 0.1f};
    m_item.SetAmbient(ambient);
    m_item.SetDiffuse(diffuse);
    m_item.SetSpecular(specular);
    m_item.SetEmission(emission);
    m_item.SetShininess(1.0f);
    m_item.m_dExtrusion = 0.1;
    m_strFaceName = "Space Toaster";
    m_strText = "Relievo";
    m_item.m_strText = m_strText;
    m_bWireframe = 0;
    m_item.m_nGlyphStyle = 0;
    m_nCaptureWidth = m_nCaptureHeight = 0;
    m_bReplyWritten = 0;
}

void CRelievoScene::ApplyRequest(const CTextRequest& request)
{
    const CTextSceneParams& p = request.m_params;
    std::copy(std::begin(p.light), std::end(p.light), m_light);
    m_item.SetAmbient(p.material.ambient);
    m_item.SetDiffuse(p.material.diffuse);
    m_item.SetSpecular(p.material.specular);
    m_item.SetEmission(p.material.emission);
    m_item.SetShininess(p.shininess);
    for (int i = 0; i < 3; ++i) {
        m_item.m_rotation[i] = p.rotation[i];
        m_item.m_scale[i] = p.scale[i];
    }
    m_bWireframe = request.m_bWireframe;
    m_item.m_nGlyphStyle = m_bWireframe ? 1 : 0;
    m_strFaceName = request.m_strFaceName;
    m_strText = request.m_strText;
    m_item.m_strText = m_strText;
    SetCaptureSize(request.m_nWidth, request.m_nHeight);
    m_bReplyWritten = 0;
}

CTextRequest CRelievoScene::MakeUpdatedRequest() const
{
    CTextRequest r;
    r.m_bWireframe = m_bWireframe;
    CTextSceneParams& p = r.m_params;
    std::copy(std::begin(m_light), std::end(m_light), p.light);
    m_item.GetAmbient(p.material.ambient);
    m_item.GetDiffuse(p.material.diffuse);
    m_item.GetSpecular(p.material.specular);
    m_item.GetEmission(p.material.emission);
    p.shininess = m_item.GetShininess();
    for (int i = 0; i < 3; ++i) {
        p.rotation[i] = static_cast<float>(m_item.m_rotation[i]);
        p.scale[i] = static_cast<float>(m_item.m_scale[i]);
    }
    p.rotation[3] = 0;
    p.scale[3] = 0;
    r.m_strFaceName = m_strFaceName;
    r.m_strText = m_strText;
    return r;
}

bool CRelievoScene::RebuildGlyphs()
{
    m_item.m_nGlyphStyle = m_bWireframe ? 1 : 0;
    return m_item.Build(m_strFaceName);
}

void CRelievoScene::ReleaseGL()
{
    m_item.Release();
    DeleteFrameBuffer();
}

void CRelievoScene::SetCaptureSize(long long width, long long height)
{
    // A negative side is kept, so that the request is refused rather than
    // answered with an empty picture.
    m_nCaptureWidth = width;
    m_nCaptureHeight = height;
}

bool CRelievoScene::CaptureFits() const
{
    GLint maxBuffer = 0;
    GLint maxViewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxBuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, maxViewport);
    const long long limit = std::min<long long>({maxBuffer, maxViewport[0], maxViewport[1], CTextReply::kMaxSide});
    return PictureWidth() >= 0 && PictureHeight() >= 0 && PictureWidth() <= limit && PictureHeight() <= limit;
}

bool CRelievoScene::PrepareFrameBuffer(int width, int height)
{
    if (m_nFrameBuffer && width == m_nBufferWidth && height == m_nBufferHeight) return true;
    DeleteFrameBuffer();
    glGenFramebuffers(1, &m_nFrameBuffer);
    glGenRenderbuffers(1, &m_nColourBuffer);
    glGenRenderbuffers(1, &m_nDepthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_nColourBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, m_nDepthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, m_nFrameBuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_nColourBuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_nDepthBuffer);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        DeleteFrameBuffer();
        return false;
    }
    m_nBufferWidth = width;
    m_nBufferHeight = height;
    return true;
}

void CRelievoScene::DeleteFrameBuffer()
{
    if (m_nFrameBuffer) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &m_nFrameBuffer);
        glDeleteRenderbuffers(1, &m_nColourBuffer);
        glDeleteRenderbuffers(1, &m_nDepthBuffer);
    }
    m_nFrameBuffer = m_nColourBuffer = m_nDepthBuffer = 0;
    m_nBufferWidth = m_nBufferHeight = 0;
}

namespace {

// The view: a frustum from the near plane at 2 to the far plane at 7,
// looking at the lettering 5 units away.
constexpr double kNear = 2;
constexpr double kFar = 7;
constexpr double kDistance = 5;
// The lettering fills this share of the picture's width or height.
constexpr double kFill = 0.9;

// The point p turned as glRotated turns it about X, then Y, then Z (the
// matrix product Rx Ry Rz applied to p).
void Rotate(const double degrees[3], double p[3])
{
    const double pi = 3.14159265358979323846;
    for (int axis = 2; axis >= 0; --axis) {
        const double a = degrees[axis] * pi / 180;
        const double c = std::cos(a), s = std::sin(a);
        const int i = (axis + 1) % 3, j = (axis + 2) % 3;
        const double u = p[i], v = p[j];
        p[i] = c * u - s * v;
        p[j] = s * u + c * v;
    }
}

}  // namespace

CRelievoScene::CFit CRelievoScene::FitLettering(double halfWidth, double halfHeight)
{
    CFit fit;
    double lower[3], upper[3], centre[3];
    if (!m_item.InkBox(lower, upper) || !m_item.InkCentre(centre)) return fit;
    // The ink box's corners, centred and turned as the lettering is drawn
    // (at its own scale of 1).
    std::vector<std::array<double, 3>> corners;
    for (int k = 0; k < 8; ++k) {
        double p[3] = {(k & 1 ? upper[0] : lower[0]) - centre[0], (k & 2 ? upper[1] : lower[1]) - centre[1],
                       (k & 4 ? upper[2] : lower[2]) - centre[2]};
        Rotate(m_item.m_rotation, p);
        corners.push_back({p[0], p[1], p[2]});
    }
    // What the lettering at scale s covers on the near plane; false when
    // part of it would come through the near or the far plane.
    auto cover = [&](double s, double box[4]) {
        box[0] = box[1] = 1e300;
        box[2] = box[3] = -1e300;
        for (const auto& c : corners) {
            const double depth = kDistance - s * c[2];
            if (depth < kNear * 1.02 || depth > kFar * 0.98) return false;
            const double x = kNear * s * c[0] / depth, y = kNear * s * c[1] / depth;
            box[0] = std::min(box[0], x), box[1] = std::min(box[1], y);
            box[2] = std::max(box[2], x), box[3] = std::max(box[3], y);
        }
        return true;
    };
    // Growing s only widens what is covered, so the largest s that fits is
    // found by halving the interval.
    auto fits = [&](double s) {
        double box[4];
        return cover(s, box) && box[2] - box[0] <= 2 * kFill * halfWidth && box[3] - box[1] <= 2 * kFill * halfHeight;
    };
    double low = 0, high = 1;
    while (fits(high) && high < 1e6) high *= 2;
    for (int i = 0; i < 40; ++i) {
        const double mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    if (low <= 0) return fit;
    // The nearer end of turned lettering looks larger: the view is moved
    // sideways so that what is seen, not the lettering's own middle, is
    // centred.
    double box[4];
    cover(low, box);
    fit.m_dScale = low;
    fit.m_dShiftX = (box[0] + box[2]) / 2;
    fit.m_dShiftY = (box[1] + box[3]) / 2;
    return fit;
}

void CRelievoScene::DrawScene(int width, int height)
{
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    // Scaling the lettering scales its normals too; unnormalised normals
    // would saturate the lights and turn small text white.
    glEnable(GL_NORMALIZE);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    // Square pixels: the near plane is 2 units across the picture's longer
    // side and proportionally less across the shorter one, so that a wide
    // box neither squashes the lettering nor looks at it through a lens so
    // wide that its nearer end would come through the near plane.
    const double halfWidth = width >= height ? 1.0 : double(width) / height;
    const double halfHeight = width >= height ? double(height) / width : 1.0;
    // The lettering, whatever its length, is centred and made as large as
    // the picture allows; the scene's own scale applies on top of that.
    const CFit fit = FitLettering(halfWidth, halfHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(fit.m_dShiftX - halfWidth, fit.m_dShiftX + halfWidth, fit.m_dShiftY - halfHeight,
              fit.m_dShiftY + halfHeight, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLenum lights[3] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2};
    for (int k = 0; k < 3; ++k) {
        glLightfv(lights[k], GL_AMBIENT, m_light[k].ambient);
        glLightfv(lights[k], GL_DIFFUSE, m_light[k].diffuse);
        glLightfv(lights[k], GL_SPECULAR, m_light[k].specular);
        glLightfv(lights[k], GL_POSITION, m_light[k].position);
    }
    glEnable(GL_LIGHTING);
    for (GLenum light : lights) glEnable(light);

    glTranslated(0, 0, -kDistance);
    glScaled(fit.m_dScale, fit.m_dScale, fit.m_dScale);
    m_item.Draw();
    glFlush();
}

bool CRelievoScene::Render(CDibSection& picture)
{
    picture.Destroy();
    picture.m_b24Bits = 0;
    if (!CaptureFits()) return false;
    const int width = static_cast<int>(PictureWidth());
    const int height = static_cast<int>(PictureHeight());
    if (width == 0 || height == 0) return true;
    if (!picture.Create(width, height) || !PrepareFrameBuffer(width, height)) {
        picture.Destroy();
        return false;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, m_nFrameBuffer);
    glViewport(0, 0, width, height);
    DrawScene(width, height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    // OpenGL's rows start at the bottom, as the picture's do.
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, picture.GetBits());
    BYTE* bits = picture.GetBits();
    for (std::size_t i = 3; i < picture.m_bits.size(); i += 4) bits[i] = 0;
    return true;
}
