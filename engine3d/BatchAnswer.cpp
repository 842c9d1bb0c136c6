#include "engine3d/BatchAnswer.h"

#include "engine3d/EglContext.h"
#include "text3d/ExchangeNames.h"
#include "engine3d/RelievoScene.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <cstdio>

int AnswerRequestInBatch(std::string& error)
{
    std::vector<BYTE> bytes;
    if (!ReadExchangeFile(kRequestFile, bytes, kMaxRequestBytes)) {
        error = std::string("There is no readable \"") + kRequestFile + "\" in the working directory.";
        return 2;
    }
    CTextRequest request;
    if (!request.Read(bytes, CTextRequest::Form::designer)) {
        error = std::string("\"") + kRequestFile + "\" is not a valid request; nothing was written.";
        return 3;
    }
    CEglContext context;
    if (!context.Create(error)) return 4;

    CRelievoScene scene;
    scene.ApplyRequest(request);
    if (!scene.CaptureFits()) {
        error = "The requested picture of " + std::to_string(request.m_nWidth) + " x " +
                std::to_string(request.m_nHeight) + " cannot be drawn (a negative side, or larger than OpenGL can draw); nothing was written.";
        return 5;
    }
    // A face without outlines leaves the item without lists: it draws
    // nothing and the reply is white, as in the window.
    scene.RebuildGlyphs();
    CDibSection picture;
    const bool rendered = scene.Render(picture);
    scene.ReleaseGL();
    if (!rendered) {
        error = "The picture could not be drawn; nothing was written.";
        return 5;
    }
    std::remove(kRequestFile);
    if (!WriteExchangeFile(kReplyFile, CTextReply::Write(picture))) {
        error = std::string("\"") + kReplyFile + "\" could not be written.";
        return 6;
    }
    if (!WriteExchangeFile(kRequestFile, scene.MakeUpdatedRequest().Write(CTextRequest::Form::updated))) {
        error = std::string("\"") + kRequestFile + "\" could not be written.";
        return 6;
    }
    return 0;
}
