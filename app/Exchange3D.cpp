#include "app/Exchange3D.h"

#include "app/MessageBox.h"
#include "objects/DrawRect.h"
#include "text3d/ExchangeNames.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QEventLoop>
#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QProgressDialog>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QString& TestProgram()
{
    static QString program;
    return program;
}

QStringList& TestArguments()
{
    static QStringList arguments;
    return arguments;
}

bool IsExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// The runtime folder is private to the user and cleared at log-out; where
// there is none, the cache folder serves.
QString ExchangeBase()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty() || !QDir().mkpath(base)) base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (base.isEmpty()) base = QDir::tempPath();
    QDir().mkpath(base);
    return base;
}

// The file holds each side in 32 bits.
LONG ClampSide(long long side)
{
    return static_cast<LONG>(side > INT32_MAX ? INT32_MAX : side);
}

// Waits for the engine in a local event loop; the user can give up on an
// engine that does not end. True when it ended by itself.
bool WaitForEngine(QProcess& engine, QWidget* parent)
{
    QEventLoop loop;
    QProgressDialog waiting(QCoreApplication::translate("Exchange3D", "The 3D text engine is running.\nReturn from it to go on."),
                            QCoreApplication::translate("Exchange3D", "Cancel"), 0, 0, parent);
    waiting.setWindowTitle(QStringLiteral("Mondrel"));
    // Every other window of the designer is blocked while the engine runs.
    waiting.setWindowModality(Qt::ApplicationModal);
    waiting.setMinimumDuration(400);
    waiting.setAutoClose(false);
    waiting.setAutoReset(false);
    // The window that asked is disabled while the engine runs; its waiting
    // dialog, a window of its own, must still take the Cancel.
    waiting.setEnabled(true);
    bool cancelled = false;
    QObject::connect(&engine, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) loop.quit();
    });
    QObject::connect(&waiting, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    if (engine.state() != QProcess::NotRunning) loop.exec();
    waiting.reset();
    if (cancelled && engine.state() != QProcess::NotRunning) {
        engine.kill();
        engine.waitForFinished(5000);
    }
    return !cancelled;
}

void Fail(CDrawRect& text, QWidget* parent)
{
    ShowMessage(parent, Exchange3DFailureText(), QMessageBox::Critical);
    text.m_bShow3D = 0;
}

}  // namespace

QString Exchange3DFailureText()
{
    return QCoreApplication::translate("Exchange3D", 
        "FATAL ERROR:\nUnable to start 3D Text Engine,\nYour system may be running low on virtual memory, close "
        "some applications to free some.\nPlease also check that you have all the executables that you\n"
        "Downloaded installed in the same directory Mondrel is installed in.\nOr contact Quillon Support by "
        "email.\nsupport@mondrel.example");
}

void SetRelievoCommandForTests(const QString& program, const QStringList& arguments)
{
    TestProgram() = program;
    TestArguments() = arguments;
}

QString FindRelievoProgram(const QString& excludedFolder)
{
    // Beside the designer (a build or a Tallowin folder), then where the
    // package keeps its helper programs, then on the PATH.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& name : {QStringLiteral("relievo"), QStringLiteral("../libexec/mondrel/relievo")}) {
        const QString candidate = QDir::cleanPath(programFolder.filePath(name));
        if (IsExecutableFile(candidate)) return candidate;
    }
    const QString excluded = excludedFolder.isEmpty() ? QString() : QDir(excludedFolder).canonicalPath();
    const QStringList entries = qEnvironmentVariable("PATH").split(QLatin1Char(':'));
    for (const QString& entry : entries) {
        // An empty or relative entry names the current folder or one below
        // it, where any file could be planted.
        if (entry.isEmpty() || QDir::isRelativePath(entry)) continue;
        const QString folder = QDir(entry).canonicalPath();
        if (folder.isEmpty() || (!excluded.isEmpty() && folder == excluded)) continue;
        const QString candidate = QDir(folder).filePath(QStringLiteral("relievo"));
        if (IsExecutableFile(candidate)) return candidate;
    }
    return {};
}

bool Run3DTextExchange(CDrawRect& text, CSize size, QWidget* parent)
{
    text.m_b3DBitmapValid = 0;
    // Stored rectangles may hold any 32-bit corners: their sides are
    // computed in 64 bits, and a side beyond the file's LONG is sent as the
    // largest one, which the engine refuses.
    const CRect& r = text.m_position;
    long long width = std::llabs(static_cast<long long>(r.right) - r.left);
    long long height = std::llabs(static_cast<long long>(r.bottom) - r.top);
    if (width == 0 && height == 0) {
        width = std::llabs(static_cast<long long>(size.cx));
        height = std::llabs(static_cast<long long>(size.cy));
    }
    if (!text.m_bShow3D) return false;

    QTemporaryDir folder(QDir(ExchangeBase()).filePath(QStringLiteral("mondrel-3d-XXXXXX")));
    if (!folder.isValid()) {
        Fail(text, parent);
        return false;
    }
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString requestPath = folder.filePath(QString::fromLatin1(kRequestFile));
    const QString replyPath = folder.filePath(QString::fromLatin1(kReplyFile));

    CTextRequest request;
    request.m_bWireframe = text.m_bWireframe;
    request.m_params = text.m_sceneParams;
    request.m_nWidth = ClampSide(width);
    request.m_nHeight = ClampSide(height);
    request.m_strFaceName = text.m_fontHeader.m_strFaceName;
    request.m_strText = text.m_strText;
    if (!WriteExchangeFile(requestPath.toStdString(), request.Write(CTextRequest::Form::designer))) {
        Fail(text, parent);
        return false;
    }

    // The object has a picture of the right size whatever follows: white,
    // the colour that is drawn transparent.
    if (width <= CTextReply::kMaxSide && height <= CTextReply::kMaxSide &&
        text.m_3DBitmap.Create(static_cast<int>(width), static_cast<int>(height)))
        std::memset(text.m_3DBitmap.GetBits(), 0xFF, text.m_3DBitmap.m_bits.size());
    else
        text.m_3DBitmap.Destroy();

    const QString program = TestProgram().isEmpty() ? FindRelievoProgram(folder.path()) : TestProgram();
    bool ended = false;
    if (!program.isEmpty()) {
        // Until the waiting dialog shows, the window that asked would still
        // take a second OK or Apply and start a second engine: it is
        // disabled at once, for as long as the engine runs.
        const QPointer<QWidget> asking = parent;
        const bool wasEnabled = asking && asking->isEnabled();
        if (wasEnabled) asking->setEnabled(false);
        QProcess engine;
        engine.setWorkingDirectory(folder.path());
        engine.setProcessChannelMode(QProcess::ForwardedChannels);
        engine.start(program, TestArguments());
        ended = WaitForEngine(engine, parent);
        if (wasEnabled && asking) asking->setEnabled(true);
    }

    std::vector<BYTE> bytes;
    CDibSection picture;
    constexpr std::size_t kReplyLimit = CTextReply::kHeaderBytes + (std::size_t{1} << 30);
    if (!ended || !ReadExchangeFile(replyPath.toStdString(), bytes, kReplyLimit) ||
        !CTextReply::Read(bytes, picture)) {
        Fail(text, parent);
        return false;
    }
    text.m_3DBitmap = std::move(picture);
    text.m_b3DBitmapValid = 1;

    // The scene as the user left the engine; when the engine did not write
    // it back, the values that were sent stay.
    CTextRequest updated;
    if (ReadExchangeFile(requestPath.toStdString(), bytes, kMaxRequestBytes) &&
        updated.Read(bytes, CTextRequest::Form::updated)) {
        text.m_bWireframe = updated.m_bWireframe;
        text.m_sceneParams = updated.m_params;
        text.m_strText = updated.m_strText;
        text.m_fontHeader.m_strFaceName = updated.m_strFaceName;
        text.m_fontHeader.CreateGdiFont(nullptr);
    }
    return true;
}
