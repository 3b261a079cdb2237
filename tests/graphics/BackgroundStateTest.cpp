// What a background keeps beyond one drawing: the undo buffer, the picture files it is saved to
// and loaded from, and the places of random dots.
#include "graphics/BackgroundDrawing.h"
#include "graphics/BackgroundFiles.h"
#include "graphics/RandomDots.h"
#include "graphics/UndoBuffer.h"

#include "core/MainVariableFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace velmora {
namespace {

    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(255, 0, 0);

    std::shared_ptr<Surface> makeSurface()
    {
        return std::make_shared<Surface>(QSize(30, 20), white);
    }

    void drawRedBox(Surface& surface, const QRect& box)
    {
        surface.backgroundPen().colour = red;
        drawBackgroundRectangle(surface, box, ShapeFill::Filled);
    }

    TEST(UndoBufferTest, AnUndoIsUndoneByTheNext)
    {
        const std::shared_ptr<Surface> surface = makeSurface();
        drawRedBox(*surface, QRect(0, 0, 5, 5));
        const QImage before = surface->bitmap().copy();
        UndoBuffer undo;
        undo.save(*surface);
        drawRedBox(*surface, QRect(10, 10, 5, 5));
        const QImage after = surface->bitmap().copy();
        surface->takeChanges().area;

        undo.undo();
        EXPECT_EQ(surface->bitmap(), before);
        EXPECT_EQ(surface->takeChanges().area, surface->bounds());
        undo.undo();
        EXPECT_EQ(surface->bitmap(), after);
    }

    TEST(UndoBufferTest, UndoActsOnTheSurfaceSavedFromAndNothingOnceItIsGone)
    {
        std::shared_ptr<Surface> saved = makeSurface();
        const std::shared_ptr<Surface> other = makeSurface();
        UndoBuffer undo;
        undo.save(*saved);
        drawRedBox(*saved, QRect(0, 0, 5, 5));
        drawRedBox(*other, QRect(0, 0, 5, 5));
        undo.undo();
        EXPECT_EQ(saved->bitmap().pixel(2, 2), white);
        EXPECT_EQ(other->bitmap().pixel(2, 2), red);
        saved.reset();
        undo.undo();
        EXPECT_EQ(other->bitmap().pixel(2, 2), red);
    }

    class BackgroundFilesTest : public MainVariableFixture {
    protected:
        QTemporaryDir folder;

        std::string path(const char* name) const { return folder.filePath(name).toStdString(); }

        static int errorOf(const std::function<void()>& act)
        {
            try {
                act();
            } catch (const eLogoException& error) {
                return error.code;
            }
            return 0;
        }
    };

    // A loaded picture smaller than the surface leaves the rest in the background colour.
    TEST_F(BackgroundFilesTest, APictureComesBackAsItWasSaved)
    {
        for (const char* name : { "picture.png", "picture.bmp" }) {
            const std::shared_ptr<Surface> drawn = makeSurface();
            drawRedBox(*drawn, QRect(3, 4, 5, 6));
            saveBackground(*drawn, path(name));
            const std::shared_ptr<Surface> loaded = makeSurface();
            drawRedBox(*loaded, QRect(0, 0, 30, 20));
            loadBackground(*loaded, path(name));
            EXPECT_EQ(loaded->bitmap(), drawn->bitmap()) << name;
        }
        const std::shared_ptr<Surface> larger
            = std::make_shared<Surface>(QSize(40, 30), qRgb(0, 0, 255));
        loadBackground(*larger, path("picture.png"));
        EXPECT_EQ(larger->bitmap().pixel(4, 5), red);
        EXPECT_EQ(larger->bitmap().pixel(35, 25), qRgb(0, 0, 255));
    }

    TEST_F(BackgroundFilesTest, FilesThatCannotBeReadOrWrittenAreErrors)
    {
        QFile text(folder.filePath("notes.png"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("no picture in here");
        text.close();
        const std::shared_ptr<Surface> shared = makeSurface();
        Surface& surface = *shared;
        const struct {
            std::function<void()> act;
            int error;
        } cases[] = {
            { [&] { loadBackground(surface, path("missing.png")); }, erFileProblem },
            { [&] { loadBackground(surface, path("notes.png")); }, erImageFile },
            { [&] { saveBackground(surface, path("no folder/picture.png")); }, erFileCreate },
            { [&] { saveBackground(surface, path("picture.noformat")); }, erFileCreate },
        };
        for (size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(errorOf(cases[i].act), cases[i].error) << i;
    }

    using RandomDotsTest = MainVariableFixture;

    // Places spread over the whole circle and never outside it.
    TEST_F(RandomDotsTest, DotsFallInsideTheCircleAndSpreadOverIt)
    {
        const QPoint centre(50, 40);
        const std::vector<QPoint> places = randomDotPlaces(centre, 2000, -6);
        EXPECT_EQ(places.size(), 2000u);
        std::set<std::pair<int, int>> distinct;
        for (const QPoint& place : places) {
            const QPoint offset = place - centre;
            EXPECT_LE(offset.x() * offset.x() + offset.y() * offset.y(), 36);
            distinct.insert({ offset.x(), offset.y() });
        }
        EXPECT_EQ(distinct.size(), 113u) << "every pixel within 6 of the centre";
        EXPECT_EQ(randomDotPlaces(centre, 3, 0), std::vector<QPoint>(3, centre));
        EXPECT_TRUE(randomDotPlaces(centre, -1, 5).empty());
    }

} // namespace
} // namespace velmora
