#include "engine3d/BatchAnswer.h"

#include "engine3d/EglContext.h"
#include "text3d/ExchangeNames.h"
#include "engine3d/RelievoScene.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <QtCore/QCoreApplication>

#include <cstdio>

namespace {

// The batch answer speaks the user's language, as the window does.
QString Tr(const char* text)
{
    return QCoreApplication::translate("relievo", text);
}

std::string CouldNotWrite(const char* file)
{
    return Tr(QT_TRANSLATE_NOOP("relievo", "\"%1\" could not be written.")).arg(QLatin1String(file)).toStdString();
}

}  // namespace

int AnswerRequestInBatch(std::string& error)
{
    std::vector<BYTE> bytes;
    if (!ReadExchangeFile(kRequestFile, bytes, kMaxRequestBytes)) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "There is no readable \"%1\" in the working directory."))
                    .arg(QLatin1String(kRequestFile))
                    .toStdString();
        return 2;
    }
    CTextRequest request;
    if (!request.Read(bytes, CTextRequest::Form::designer)) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "\"%1\" is not a valid request; nothing was written."))
                    .arg(QLatin1String(kRequestFile))
                    .toStdString();
        return 3;
    }
    CEglContext context;
    if (!context.Create(error)) return 4;

    CRelievoScene scene;
    scene.ApplyRequest(request);
    if (!scene.CaptureFits()) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "The requested picture of %1 x %2 cannot be drawn (a negative side, or "
                                                "larger than OpenGL can draw); nothing was written."))
                    .arg(request.m_nWidth)
                    .arg(request.m_nHeight)
                    .toStdString();
        return 5;
    }
    // A face without outlines leaves the item without lists: it draws
    // nothing and the reply is white, as in the window.
    scene.RebuildGlyphs();
    CDibSection picture;
    const bool rendered = scene.Render(picture);
    scene.ReleaseGL();
    if (!rendered) {
        error = Tr(QT_TRANSLATE_NOOP("relievo", "The picture could not be drawn; nothing was written.")).toStdString();
        return 5;
    }
    std::remove(kRequestFile);
    if (!WriteExchangeFile(kReplyFile, CTextReply::Write(picture))) {
        error = CouldNotWrite(kReplyFile);
        return 6;
    }
    if (!WriteExchangeFile(kRequestFile, scene.MakeUpdatedRequest().Write(CTextRequest::Form::updated))) {
        error = CouldNotWrite(kRequestFile);
        return 6;
    }
    return 0;
}
