// Every design the generator makes keeps its calendars on the page: inside
// the frame's band, apart from one another and off the photo.

#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Box {
    int x0, y0, x1, y1;
};

Box OnPage(const CRect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

bool Overlap(const Box& a, const Box& b)
{
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

bool Inside(const Box& a, const Box& room)
{
    return a.x0 >= room.x0 && a.y0 >= room.y0 && a.x1 <= room.x1 && a.y1 <= room.y1;
}

std::string Show(const Box& b)
{
    return "(" + std::to_string(b.x0) + "," + std::to_string(b.y0) + ")-(" + std::to_string(b.x1) + "," +
           std::to_string(b.y1) + ")";
}

class GeneratorRoom : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::filesystem::temp_directory_path() / ("mondrel-room-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s_dir);
        // Landscape, portrait, a panorama, a tall strip and a near square.
        for (const char* size : {"40x30", "30x40", "90x20", "10x60", "41x40"}) {
            const std::string path = (s_dir / (std::string(size) + ".png")).string();
            ASSERT_EQ(std::system(("convert -size " + std::string(size) + " xc:'#3366cc' '" + path + "'").c_str()), 0);
            s_photos.push_back(path);
        }
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_dir); }

    static inline std::filesystem::path s_dir;
    static inline std::vector<std::string> s_photos;
};

}  // namespace

TEST_F(GeneratorRoom, EveryLayoutKeepsItsCalendarsInsideApartAndOffThePhoto)
{
    std::vector<std::string> photos = s_photos;
    photos.insert(photos.begin(), std::string());
    int squeezed = 0;
    for (int layout = 0; layout < 8; ++layout) {
        for (int band : {-1, 0, 15, 40, 100, 150, 200}) {  // -1: no frame
            for (const std::string& photo : photos) {
                for (int n = 1; n <= 24; ++n) {
                    // Layouts 2-7 place their own number of months.
                    if (layout >= 2 && n > 1) break;
                    CNewCalendarChoices ch;
                    ch.m_nLayout = layout;
                    ch.m_nMonths = n;
                    ch.m_nFirstMonth = 9;
                    ch.m_nYear = 2027;
                    ch.m_bFrame = band >= 0;
                    ch.m_nFrameThickness = std::max(band, 0);
                    ch.m_strPhotoPath = photo;
                    ch.m_strPhotoType = "png";
                    CDrawDoc doc;
                    ASSERT_TRUE(CCalendarGenerator::Generate(doc, ch));

                    const std::string what = "layout " + std::to_string(layout) + " band " + std::to_string(band) +
                                             " photo '" + photo + "' months " + std::to_string(n);
                    Box room{-425, -550, 425, 550};
                    std::vector<Box> cals;
                    std::vector<int> typeSizes;
                    Box picture{0, 0, 0, 0};
                    bool hasPicture = false;
                    for (CDrawObj* obj : *doc.GetObjects()) {
                        auto* rect = dynamic_cast<CDrawRect*>(obj);
                        ASSERT_NE(rect, nullptr);
                        if (rect->m_nKind == CDrawRect::kindFrame) {
                            const Box outer = OnPage(rect->m_position);
                            const int f = rect->m_nGridThickness;
                            room = {outer.x0 + f, outer.y0 + f, outer.x1 - f, outer.y1 - f};
                        } else if (rect->m_nKind == CDrawRect::kindImage) {
                            picture = OnPage(rect->m_position);
                            hasPicture = true;
                        } else if (rect->m_nKind == CDrawRect::kindCalendar) {
                            cals.push_back(OnPage(rect->m_position));
                            typeSizes.push_back(rect->m_fontDays.m_nPointSize);
                        }
                    }
                    const std::size_t expected = layout <= 1 ? n : layout == 5 ? 16 : 8;
                    ASSERT_EQ(cals.size(), expected) << what;
                    EXPECT_EQ(hasPicture, !photo.empty()) << what;
                    for (std::size_t i = 0; i < cals.size(); ++i) {
                        EXPECT_TRUE(Inside(cals[i], room))
                            << what << ": calendar " << i << " " << Show(cals[i]) << " outside " << Show(room);
                        EXPECT_GT(cals[i].x1 - cals[i].x0, 0) << what << ": calendar " << i;
                        EXPECT_GT(cals[i].y1 - cals[i].y0, 0) << what << ": calendar " << i;
                        if (hasPicture && layout != 1) {
                            EXPECT_FALSE(Overlap(cals[i], picture))
                                << what << ": calendar " << i << " " << Show(cals[i]) << " on the photo "
                                << Show(picture);
                        }
                        for (std::size_t j = 0; j < i; ++j)
                            EXPECT_FALSE(Overlap(cals[i], cals[j]))
                                << what << ": calendars " << j << " and " << i << " " << Show(cals[j]) << " "
                                << Show(cals[i]);
                        EXPECT_GE(typeSizes[i], 1) << what;
                    }
                    if (*std::min_element(typeSizes.begin(), typeSizes.end()) < 8 && layout > 1) ++squeezed;
                    if (HasFailure()) return;
                }
            }
        }
    }
    // Broad frame bands leave the fixed layouts too little room: their
    // calendars and type get smaller.
    EXPECT_GT(squeezed, 0);
}

TEST_F(GeneratorRoom, AYearOnAPageShrinksItsRowsAndTypeOnlyWhereTheyDoNotFit)
{
    auto generate = [](int layout, int n, bool frame, const std::string& photo, CDrawDoc& doc) {
        CNewCalendarChoices ch;
        ch.m_nLayout = layout;
        ch.m_nMonths = n;
        ch.m_bFrame = frame;
        ch.m_strPhotoPath = photo;
        ch.m_strPhotoType = "png";
        EXPECT_TRUE(CCalendarGenerator::Generate(doc, ch));
        std::vector<CDrawRect*> cals;
        for (CDrawObj* obj : *doc.GetObjects()) {
            auto* rect = dynamic_cast<CDrawRect*>(obj);
            if (rect && rect->m_nKind == CDrawRect::kindCalendar) cals.push_back(rect);
        }
        return cals;
    };

    // Nine months below a landscape photo fit: the layout's own cells and type.
    CDrawDoc nine;
    std::vector<CDrawRect*> cals = generate(0, 9, false, s_photos[0], nine);
    ASSERT_EQ(cals.size(), 9u);
    const int T = dynamic_cast<CDrawRect*>(nine.GetObjects()->front())->m_position.top;
    EXPECT_EQ(cals[8]->m_position, CRect(188 * 2 - 102, T - 144 * 2 - 140, 188 * 2 - 277, T - 144 * 2 - 10));
    EXPECT_EQ(cals[8]->m_fontDays.m_nPointSize, 8);

    // Twelve do not: the first row stays where it was, the last ends above
    // the page's edge, rows keep their order and the type gets smaller.
    CDrawDoc twelve;
    cals = generate(0, 12, false, std::string(), twelve);
    ASSERT_EQ(cals.size(), 12u);
    EXPECT_EQ(cals[0]->m_position.bottom, -10);
    EXPECT_EQ(cals[0]->m_position.left, -102);
    EXPECT_EQ(cals[0]->m_position.right, -277);
    EXPECT_GE(cals[11]->m_position.top, -550);
    EXPECT_GT(cals[11]->m_position.top, -550 + 20);  // not squeezed against the edge
    EXPECT_LT(cals[11]->m_position.top, -440);       // nor shrunk more than needed
    EXPECT_LT(cals[3]->m_position.bottom, cals[0]->m_position.top);
    EXPECT_LT(cals[11]->m_fontDays.m_nPointSize, 8);
    EXPECT_GE(cals[11]->m_fontDays.m_nPointSize, 6);

    // A single month in a frame below a photo stops above the photo; its
    // big type shrinks only a little.
    CDrawDoc single;
    cals = generate(0, 1, true, s_photos[0], single);
    ASSERT_EQ(cals.size(), 1u);
    auto* photo = dynamic_cast<CDrawRect*>(*std::next(single.GetObjects()->begin()));
    ASSERT_EQ(photo->m_nKind, CDrawRect::kindImage);
    EXPECT_LE(cals[0]->m_position.bottom, photo->m_position.top);
    EXPECT_LT(cals[0]->m_fontHeader.m_nPointSize, 36);
    EXPECT_GT(cals[0]->m_fontHeader.m_nPointSize, 30);
}
