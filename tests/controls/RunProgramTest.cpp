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

// turtle: moving, turning and the pages of the window; turtle2: the pen and turtle states,
// overlaps, painting order and collisions.
TEST(RunProgramTest, TurtleProgramsPrintWhatTheirTurtlesReport)
{
    for (const char* program : { "turtle", "turtle2" }) {
        const ProgramRun run = runProgram(scriptPath((std::string(program) + ".logo").c_str()));
        EXPECT_EQ(run.output, expectedOutput((std::string(program) + ".out").c_str())) << program;
    }
}

// The square drawn from the centre of the page: its corners in black, the diagonal in the red
// three-pixel pen, white elsewhere. The page lies centred in the window.
void expectSquareAndDiagonal(const QImage& shot)
{
    ASSERT_FALSE(shot.isNull());
    const QPoint centre((shot.width() - 796) / 2 + 398, (shot.height() - 499) / 2 + 249);
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
