// The window runner run as a user runs it: a Logo program's printed lines and errors, and the
// picture its turtles leave in the window.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

struct ProgramRun {
    QString output;
    QImage screenshot;
};

// Runs the program with its window offscreen, or under a virtual X server when `xvfb` is given.
ProgramRun runProgram(const QString& script, const QString& xvfb = {})
{
    QTemporaryDir folder;
    const QString shot = folder.filePath("shot.png");
    QStringList arguments { script, "--quit-when-idle", "--screenshot", shot };
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    if (xvfb.isEmpty()) {
        arguments << "--offscreen";
        process.setProcessEnvironment(environment);
        process.start(VELMORA_RUN, arguments);
    } else {
        environment.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(environment);
        process.start(xvfb, QStringList { "-a", VELMORA_RUN } + arguments);
    }
    EXPECT_TRUE(process.waitForFinished(60000));
    return { QString::fromLocal8Bit(process.readAll()), QImage(shot) };
}

QString scriptPath(const char* name)
{
    return QString(VELMORA_SOURCE_DIR "/tests/controls/scripts/") + name;
}

QString expectedOutput(const char* name)
{
    QFile file(scriptPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLocal8Bit(file.readAll());
}

// A colour expected at a pixel of the page, which lies centred in the window.
struct PagePixel {
    QPoint at;
    QRgb colour;
};

QPoint pageCorner(const QImage& shot)
{
    return QPoint((shot.width() - 796) / 2, (shot.height() - 499) / 2);
}

void expectPagePixels(const QImage& shot, std::initializer_list<PagePixel> expected)
{
    ASSERT_FALSE(shot.isNull());
    const QPoint page = pageCorner(shot);
    for (const PagePixel& pixel : expected)
        EXPECT_EQ(shot.pixel(page + pixel.at), pixel.colour) << pixel.at.x() << "," << pixel.at.y();
}

// Programs whose printed lines and errors are checked against their ".out" files.
class ScriptTest : public testing::TestWithParam<const char*> { };

TEST_P(ScriptTest, PrintsWhatItsOutputFileHolds)
{
    const std::string name = GetParam();
    const ProgramRun run = runProgram(scriptPath((name + ".logo").c_str()));
    EXPECT_EQ(run.output, expectedOutput((name + ".out").c_str()));
}

// turtle: moving, turning, the edges, pages; turtle2: the pen and turtle states, overlaps,
// painting order and collisions; maketurtle: making and setting turtles, addressing several, the
// page's who list; windowcommands: the window's commands that change nothing or cannot print;
// menus: menu lists and their errors; windowproperties: the main window's properties;
// screenpoints: screen coordinates, the mouse pointer and the objects of a class on a page;
// wholist: a procedure's commands reach the objects of the who list as it is at each run;
// drawing: the turtle's drawing commands, the label font and the errors of drawing lists; images:
// the image builders and operations are there; pictures: the background captured as images, and
// images put, stretched, tiled and stamped on it; glide: a turtle travelling a drawing list;
// vectorshapes: drawing lists as turtle shapes; animation: animated shapes on a page shown, hidden
// and erased while they animate.
INSTANTIATE_TEST_SUITE_P(RunProgramTest, ScriptTest,
    testing::Values("turtle", "turtle2", "maketurtle", "panes", "windowcommands", "menus",
        "windowproperties", "screenpoints", "wholist", "drawing", "images", "pictures", "glide",
        "vectorshapes", "animation"));

// What drawing.logo draws, by page pixels: the square of a drawing list, the filled polygon, the
// wide red circle and the filled green one, the box filled up to its blue lines over the red line
// inside it, the label running downwards from its point, nothing left where a reversed dot and a
// reversed stamp were drawn twice, and the stamp drawn once.
void expectDrawingCommandsShown(const QImage& shot)
{
    expectPagePixels(shot,
        {
            { { 98, 124 }, qRgb(0, 0, 0) }, // the square's left side
            { { 123, 124 }, qRgb(255, 255, 255) }, // inside it
            { { 240, 155 }, qRgb(0, 0, 255) }, // inside the polygon
            { { 398, 110 }, qRgb(255, 0, 0) }, // the wide circle's top
            { { 398, 129 }, qRgb(255, 255, 255) }, // its centre
            { { 498, 129 }, qRgb(0, 128, 0) }, // the filled circle's centre
            { { 128, 269 }, qRgb(255, 255, 0) }, // the red line across the box, filled over
            { { 128, 290 }, qRgb(255, 255, 0) }, { { 98, 269 }, qRgb(0, 0, 255) }, // the box's side
            { { 90, 269 }, qRgb(255, 255, 255) }, // outside the box
        });
    const QPoint page = pageCorner(shot);
    const auto inkIn = [&](const QRect& area) {
        int inked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                inked += shot.pixel(page + QPoint(x, y)) == qRgb(0, 0, 0);
        return inked;
    };
    EXPECT_GT(inkIn(QRect(QPoint(470, 299), QPoint(498, 420))), 50); // below and left of [100 -50]
    EXPECT_EQ(inkIn(QRect(QPoint(500, 280), QPoint(580, 420))), 0);
    EXPECT_EQ(inkIn(QRect(QPoint(580, 230), QPoint(616, 268))), 0); // reversed twice at [200 0]
    EXPECT_GT(inkIn(QRect(QPoint(580, 330), QPoint(616, 368))), 20); // the stamp at [200 -100]
}

TEST(RunProgramTest, TheTurtlesDrawingCommandsDrawIntoThePage)
{
    expectDrawingCommandsShown(runProgram(scriptPath("drawing.logo")).screenshot);
}

TEST(RunProgramTest, ARealWindowShowsTheTurtlesDrawingCommands)
{
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no xvfb-run";
    expectDrawingCommandsShown(runProgram(scriptPath("drawing.logo"), xvfb).screenshot);
}

// The background drawn with the "bg" commands: the colours it reports, the errors of malformed
// rectangles, undo, and the origin moved under the turtle; the window shows the fill inside the
// rectangle and the ellipse that the second undo brought back.
TEST(RunProgramTest, TheBackgroundCommandsDrawIntoThePage)
{
    const ProgramRun run = runProgram(scriptPath("background.logo"));
    EXPECT_EQ(run.output, expectedOutput("background.out"));
    expectPagePixels(run.screenshot,
        { { { 120, 110 }, qRgb(0, 0, 255) }, { { 220, 210 }, qRgb(0, 128, 0) },
            { { 99, 99 }, qRgb(255, 255, 255) } });
}

// The last turtle of shapes.logo wears a 9 by 5 red bar with a blue end, its hot spot at the
// corner, at twice its size at the pixel (300, 200), its red drawn in the pen's green; it stamped
// itself at (400, 300).
TEST(RunProgramTest, ATurtleShowsItsBitmapShapeScaledAndTinted)
{
    const ProgramRun run = runProgram(scriptPath("shapes.logo"));
    EXPECT_EQ(run.output, expectedOutput("shapes.out"));
    const QImage& shot = run.screenshot;
    expectPagePixels(shot,
        {
            { { 300, 200 }, qRgb(0, 255, 0) }, // the bar's red, in the pen's colour
            { { 315, 209 }, qRgb(0, 255, 0) },
            { { 316, 200 }, qRgb(0, 0, 255) }, // the blue end, two pixels wide
            { { 317, 209 }, qRgb(0, 0, 255) },
            { { 318, 210 }, qRgb(255, 255, 255) },
            { { 299, 200 }, qRgb(255, 255, 255) },
            { { 400, 300 }, qRgb(0, 255, 0) }, // the stamp
            { { 417, 309 }, qRgb(0, 0, 255) },
            { { 418, 310 }, qRgb(255, 255, 255) },
        });
}

// The panes of panes.logo over the blue page: the first at the page's corner in white, one in
// yellow at the cartesian point [100 50], and a red one sent behind the yellow one where they
// overlap.
TEST(RunProgramTest, PanesLieOverThePage)
{
    const QImage shot = runProgram(scriptPath("panes.logo")).screenshot;
    expectPagePixels(shot,
        {
            { { 50, 50 }, qRgb(255, 255, 255) }, // the first pane
            { { 150, 150 }, qRgb(0, 0, 255) }, // the page beside it
            { { 498, 199 }, qRgb(255, 255, 0) }, // the yellow pane's top-left corner
            { { 497, 198 }, qRgb(0, 0, 255) }, // the page just outside it
            { { 570, 270 }, qRgb(255, 255, 0) }, // the red pane behind the yellow one
            { { 610, 310 }, qRgb(255, 0, 0) }, // the red pane's visible part
        });
}

// The square drawn from the centre of the page: its corners in black, the diagonal in the red
// three-pixel pen, white elsewhere. The page lies centred in the window.
void expectSquareAndDiagonal(const QImage& shot)
{
    ASSERT_FALSE(shot.isNull());
    const QPoint centre = pageCorner(shot) + QPoint(398, 249);
    EXPECT_EQ(shot.pixel(centre + QPoint(0, -50)), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(centre + QPoint(100, -50)), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(centre + QPoint(50, -100)), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(centre + QPoint(40, -40)), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(centre + QPoint(-50, 50)), qRgb(255, 255, 255));
}

TEST(RunProgramTest, TheWindowShowsWhatTheTurtleDrew)
{
    expectSquareAndDiagonal(runProgram(scriptPath("square.logo")).screenshot);
}

TEST(RunProgramTest, ARealWindowShowsWhatTheTurtleDrew)
{
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no xvfb-run";
    expectSquareAndDiagonal(runProgram(scriptPath("square.logo"), xvfb).screenshot);
}

} // namespace
