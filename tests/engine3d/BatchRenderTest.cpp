#include "engine3d/BatchAnswer.h"
#include "engine3d/GLTextItem.h"
#include "support/QtTestRegistry.h"
#include "text3d/DibSection.h"
#include "text3d/ExchangeNames.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

namespace {

struct CAnswer {
    int m_nStatus = -1;
    bool m_bReplyRead = false;
    bool m_bUpdatedRead = false;
    bool m_bRequestLeft = false;
    CDibSection m_picture;
    CTextRequest m_updated;
    // Pixels that are not white, and the mean red and blue over them.
    long m_nColoured = 0;
    double m_dRed = 0;
    double m_dBlue = 0;
    // The darkest channel of any pixel.
    int m_nDarkest = 255;
};

CTextRequest Calendar(int width = 400, int height = 200)
{
    CTextRequest r;
    r.m_nWidth = width;
    r.m_nHeight = height;
    r.m_strFaceName = "DejaVu Sans";
    r.m_strText = "Calendar";
    return r;
}

CAnswer Answer(const CTextRequest& request, const std::vector<BYTE>* raw = nullptr)
{
    CAnswer a;
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) return a;
    WriteExchangeFile(kRequestFile, raw ? *raw : request.Write(CTextRequest::Form::designer));
    std::string error;
    a.m_nStatus = AnswerRequestInBatch(error);
    std::vector<BYTE> bytes;
    a.m_bReplyRead = ReadExchangeFile(kReplyFile, bytes, 1u << 30) && CTextReply::Read(bytes, a.m_picture);
    a.m_bRequestLeft = QFile::exists(QString::fromLatin1(kRequestFile));
    a.m_bUpdatedRead = ReadExchangeFile(kRequestFile, bytes, 1u << 26) &&
                       a.m_updated.Read(bytes, CTextRequest::Form::updated);
    QDir::setCurrent(previous);
    const std::vector<BYTE>& px = a.m_picture.m_bits;
    for (std::size_t i = 0; i + 3 < px.size(); i += 4) {
        a.m_nDarkest = std::min({a.m_nDarkest, int(px[i]), int(px[i + 1]), int(px[i + 2])});
        if (px[i] < 250 || px[i + 1] < 250 || px[i + 2] < 250) {
            ++a.m_nColoured;
            a.m_dBlue += px[i];
            a.m_dRed += px[i + 2];
        }
    }
    if (a.m_nColoured) {
        a.m_dRed /= a.m_nColoured;
        a.m_dBlue /= a.m_nColoured;
    }
    return a;
}

bool IsWhite(const CDibSection& p, int x, int y)
{
    const BYTE* px = p.GetBits() + (static_cast<std::size_t>(y) * p.Width() + x) * 4;
    return px[0] == 255 && px[1] == 255 && px[2] == 255;
}

}  // namespace

class BatchRenderTest : public QObject {
    Q_OBJECT
private slots:
    void calendarFillsTheRequestedSize()
    {
        const CAnswer a = Answer(Calendar());
        QCOMPARE(a.m_nStatus, 0);
        QVERIFY(a.m_bReplyRead);
        QCOMPARE(a.m_picture.Width(), 400);
        QCOMPARE(a.m_picture.Height(), 200);
        for (auto [x, y] : {std::pair{0, 0}, {399, 0}, {0, 199}, {399, 199}}) QVERIFY(IsWhite(a.m_picture, x, y));
        QVERIFY2(a.m_nColoured > 4000, qPrintable(QString::number(a.m_nColoured)));
        QVERIFY2(a.m_dRed < 130, qPrintable(QString::number(a.m_dRed)));
        // The unused byte of every pixel is 0.
        QCOMPARE(a.m_picture.m_bits[3], BYTE(0));
        // The updated request carries the scene back, with 0 in the fourth
        // rotation and scale components.
        QVERIFY(a.m_bUpdatedRead);
        QCOMPARE(a.m_updated.m_strText, std::string("Calendar"));
        QCOMPARE(a.m_updated.m_params.rotation[0], 10.0f);
        QCOMPARE(a.m_updated.m_params.scale[3], 0.0f);
        QCOMPARE(a.m_updated.m_params.rotation[3], 0.0f);
    }

    void oddSidesAndTinyRequests()
    {
        const CAnswer odd = Answer(Calendar(401, 201));
        QCOMPARE(odd.m_picture.Width(), 400);
        QCOMPARE(odd.m_picture.Height(), 200);
        // Too small to draw in: the empty reply, still an answer.
        for (auto [w, h] : {std::pair{1, 1}, {0, 50}, {300, 1}}) {
            const CAnswer tiny = Answer(Calendar(w, h));
            QCOMPARE(tiny.m_nStatus, 0);
            QVERIFY(tiny.m_bReplyRead);
            QVERIFY(tiny.m_picture.m_bits.empty());
            QVERIFY(tiny.m_bUpdatedRead);
        }
    }

    void refusedRequestsWriteNothing()
    {
        std::vector<BYTE> cut = Calendar().Write(CTextRequest::Form::designer);
        cut.resize(cut.size() - 3);
        const CAnswer malformed = Answer(CTextRequest(), &cut);
        QVERIFY(malformed.m_nStatus != 0);
        QVERIFY(!malformed.m_bReplyRead);
        // The damaged request is left as it was, not rewritten.
        QVERIFY(!malformed.m_bUpdatedRead);

        for (auto [w, h] : {std::pair{100000, 200}, {-400, 200}, {400, -2}}) {
            const CAnswer refused = Answer(Calendar(w, h));
            QVERIFY(refused.m_nStatus != 0);
            QVERIFY(!refused.m_bReplyRead);
        }
    }

    void styleTextAndScaleChangeWhatIsDrawn()
    {
        const CAnswer solid = Answer(Calendar());
        CTextRequest wire = Calendar();
        wire.m_bWireframe = 1;
        const CAnswer outline = Answer(wire);
        QVERIFY(outline.m_nColoured > 0);
        QVERIFY(outline.m_nColoured < solid.m_nColoured);

        CTextRequest empty = Calendar();
        empty.m_strText.clear();
        QCOMPARE(Answer(empty).m_nColoured, 0L);
        for (int axis = 0; axis < 3; ++axis) {
            CTextRequest flat = Calendar();
            flat.m_params.scale[axis] = 0;
            QCOMPARE(Answer(flat).m_nColoured, 0L);
        }
        // The fourth scale component is no axis: the engine itself writes 0 there.
        CTextRequest fourth = Calendar();
        fourth.m_params.scale[3] = 0;
        QVERIFY(Answer(fourth).m_nColoured > 2000);
    }

    void smallLetteringKeepsItsColour()
    {
        // Small lettering keeps its colour instead of washing out white.
        CTextRequest small = Calendar();
        for (int i = 0; i < 3; ++i) small.m_params.scale[i] = 0.2f;
        const CAnswer tiny = Answer(small);
        QVERIFY(tiny.m_nColoured > 20);
        // The default scene's blue lettering: washed-out glyphs come near
        // white in red and green as well.
        QVERIFY2(tiny.m_dRed < 130, qPrintable(QString::number(tiny.m_dRed)));
        QVERIFY(tiny.m_dBlue > 200);
    }

    void aRedLightTurnsTheGlyphsRed()
    {
        auto lit = [](float r, float b) {
            CTextRequest q = Calendar();
            q.m_params.material = {{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
            for (auto& light : q.m_params.light) {
                const float colour[4] = {r, 0.0f, b, 1.0f};
                std::copy(colour, colour + 4, light.ambient);
                std::copy(colour, colour + 4, light.diffuse);
                std::copy(colour, colour + 4, light.specular);
            }
            return Answer(q);
        };
        const CAnswer blue = lit(0, 1);
        const CAnswer red = lit(1, 0);
        QVERIFY(blue.m_nColoured > 2000 && red.m_nColoured > 2000);
        QVERIFY(red.m_dRed > blue.m_dRed + 50);
        QVERIFY(red.m_dBlue + 50 < blue.m_dBlue);
    }

    void aUtf8LetterIsOneGlyph()
    {
        CTextRequest utf8 = Calendar(200, 200);
        utf8.m_strText = "\xC3\xA9";  // é in UTF-8
        CTextRequest latin1 = utf8;
        latin1.m_strText = "\xE9";  // é as a Latin-1 byte
        CTextRequest twoGlyphs = utf8;
        twoGlyphs.m_strText = "\xC3\x83\xC2\xA9";  // the two letters its bytes would give
        const CAnswer a = Answer(utf8);
        QVERIFY(a.m_nColoured > 100);
        QCOMPARE(a.m_picture.m_bits, Answer(latin1).m_picture.m_bits);
        QVERIFY(a.m_picture.m_bits != Answer(twoGlyphs).m_picture.m_bits);
        // The stored bytes travel back as they came.
        QCOMPARE(a.m_updated.m_strText, utf8.m_strText);
    }

    void aTwoWordTextComesBackWholeInTheMiddleOfItsBox_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("a wide box") << 600 << 120;
        QTest::newRow("a square box") << 300 << 300;
        QTest::newRow("a tall box") << 120 << 400;
    }
    void aTwoWordTextComesBackWholeInTheMiddleOfItsBox()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        CTextRequest request = Calendar(width, height);
        request.m_strText = "Happy Birthday";
        const CAnswer a = Answer(request);
        QCOMPARE(a.m_nStatus, 0);
        QCOMPARE(a.m_updated.m_strText, request.m_strText);
        const CDibSection& p = a.m_picture;
        QCOMPARE(p.Width(), width);
        // The lettering's box, and the columns inside it with no ink.
        int left = width, right = -1, top = height, bottom = -1;
        std::vector<bool> inked(width, false);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (!IsWhite(p, x, y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    // Rows are stored bottom-up.
                    top = std::min(top, height - 1 - y), bottom = std::max(bottom, height - 1 - y);
                    inked[x] = true;
                }
        QVERIFY(right > left);
        const QString box = QStringLiteral("%1..%2 x %3..%4").arg(left).arg(right).arg(top).arg(bottom);
        // Nothing is cut at the edges, and the lettering fills the box's
        // width or its height nearly to the margin.
        QVERIFY2(left > 0 && right < width - 1 && top > 0 && bottom < height - 1, qPrintable(box));
        QVERIFY2(right - left > width * 0.75 || bottom - top > height * 0.75, qPrintable(box));
        // It stands in the middle, not at the bottom.
        QVERIFY2(std::abs((left + right) / 2 - width / 2) < width / 10, qPrintable(box));
        QVERIFY2(std::abs((top + bottom) / 2 - height / 2) < height / 10, qPrintable(box));
        // Both words: a gap of blank columns parts them near the middle.
        int gap = 0, widest = 0;
        for (int x = left; x <= right; ++x) {
            gap = inked[x] ? 0 : gap + 1;
            widest = std::max(widest, gap);
        }
        QVERIFY2(widest >= 2, qPrintable(box));
    }

    void decodingTakesStrayBytesAsLatin1()
    {
        using Codes = std::vector<unsigned>;
        QCOMPARE(CGLTextItem::DecodeText("A\xC3\xA9"), (Codes{'A', 0xE9}));
        QCOMPARE(CGLTextItem::DecodeText("\xE2\x82\xAC"), (Codes{0x20AC}));
        // A cut sequence, an overlong form and a lone continuation byte.
        QCOMPARE(CGLTextItem::DecodeText("\xC3"), (Codes{0xC3}));
        QCOMPARE(CGLTextItem::DecodeText("\xC0\xAF"), (Codes{0xC0, 0xAF}));
        QCOMPARE(CGLTextItem::DecodeText("\xA9x"), (Codes{0xA9, 'x'}));
        QCOMPARE(CGLTextItem::DecodeText("\xED\xA0\x80"), (Codes{0xED, 0xA0, 0x80}));
    }
};

MONDREL_QT_TEST(BatchRenderTest)
#include "BatchRenderTest.moc"
