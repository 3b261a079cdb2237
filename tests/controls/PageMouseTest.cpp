// Mouse input on a page's window, given as Qt events, starts the page's handlers: the whole path
// from the window thread through the graphic part to a Logo process that prints.
#include "core/EngineStartup.h"

#include "TestApplication.h"
#include "WindowSession.h"

#include <QMouseEvent>
#include <QToolTip>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // A press or a release of a button, with keys held.
    void sendButton(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
        Qt::KeyboardModifiers keys)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), keys);
        QCoreApplication::sendEvent(widget, &event);
    }

    // A press or a release of the left button.
    void sendMouse(QWidget* widget, QEvent::Type type, QPoint at)
    {
        sendButton(widget, type, at, Qt::LeftButton, Qt::NoModifier);
    }

    void moveMouse(QWidget* widget, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent move(
            QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    void click(QWidget* widget, QPoint at)
    {
        sendMouse(widget, QEvent::MouseButtonPress, at);
        sendMouse(widget, QEvent::MouseButtonRelease, at);
    }

    const QPoint pageCentre(398, 249);

    TEST(PageMouseTest, AClickOnThePageRunsItsHandlers)
    {
        testApplication();
        startEngine();
        WindowSession session({
            "ask \"page1 [setevent \"onClick [print [click]]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        click(session.page(), QPoint(30, 40));
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "click\n"; }))
            << session.printed();
    }

    // The turtle lies over the page: a click on its shape is the turtle's, beside it the page's.
    TEST(PageMouseTest, AClickOnATurtleIsTheTurtles)
    {
        startEngine();
        WindowSession session({
            "ask \"page1 [setevent \"onClick [print [page]]]",
            "ask \"t1 [setevent \"onClick [print [turtle]]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        click(session.page(), pageCentre + QPoint(0, -5));
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "turtle\n"; }))
            << session.printed();
        click(session.page(), pageCentre + QPoint(60, 0));
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "turtle\npage\n"; }))
            << session.printed();
    }

    // A turtle the user may drag follows the mouse while the left button is down, drawing
    // nothing. Moves that come while the turtle still follows an earlier one are passed over, as
    // the mouse keeps moving, so the last one is given until the turtle gets there.
    TEST(PageMouseTest, ATurtleThatMayBeDraggedFollowsTheMouse)
    {
        startEngine();
        WindowSession session({
            "ask \"t1 [setautodrag \"true]",
            "ask \"t1 [setevent \"onDrag [print pos]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* page = session.page();
        auto dragTo = [page](QPoint at) { moveMouse(page, at, Qt::LeftButton); };
        sendMouse(page, QEvent::MouseButtonPress, pageCentre);
        for (int step = 1; step <= 5; ++step)
            dragTo(pageCentre + QPoint(10 * step, -step));
        EXPECT_TRUE(session.waitFor([&] {
            dragTo(pageCentre + QPoint(50, -5));
            const std::string printed = session.printed();
            return printed.ends_with("50 5\n");
        })) << session.printed();
        sendMouse(page, QEvent::MouseButtonRelease, pageCentre + QPoint(50, -5));
    }

    // On a pane the turtle follows the mouse in the pane's own coordinates.
    TEST(PageMouseTest, ATurtleOnAPaneFollowsTheMouseOverThePane)
    {
        startEngine();
        WindowSession session({
            "new \"pane [name p1 aPos [100 100] size [200 200]]",
            "ask \"p1 [new \"turtle [name pt autoDrag true]]",
            "ask \"p1 [ask \"pt [setevent \"onDrag [print pos]]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* pane = session.page()->childAt(QPoint(200, 200));
        ASSERT_NE(pane, nullptr);
        const QPoint centre(100, 100);
        auto dragTo = [pane](QPoint at) { moveMouse(pane, at, Qt::LeftButton); };
        sendMouse(pane, QEvent::MouseButtonPress, centre);
        EXPECT_TRUE(session.waitFor([&] {
            dragTo(centre + QPoint(30, 20));
            return session.printed().ends_with("30 -20\n");
        })) << session.printed();
        sendMouse(pane, QEvent::MouseButtonRelease, centre + QPoint(30, 20));
    }

    // The mouse rests 60 pixels above the turtle: the turtle moving under it is entered, moving on
    // past it is left, with no move of the mouse.
    TEST(PageMouseTest, ATurtleMovingUnderARestingMouseIsEnteredAndLeft)
    {
        startEngine();
        WindowSession session({
            "ask \"t1 [setevent \"onMouseEnter [print [enter]] "
            "setevent \"onMouseLeave [print [leave]]]",
            "launch [waituntil [equal? mousepos [0 60]] ask \"t1 [forward 60] wait 50 "
            "ask \"t1 [forward 60]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        const QPoint resting = pageCentre + QPoint(0, -60);
        moveMouse(session.page(), resting, Qt::NoButton);
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "enter\nleave\n"; }))
            << session.printed();
    }

    // The hint is the engine's text, in the language's code page: "caf\xE9" is "café".
    TEST(PageMouseTest, AMouseRestingOnATurtleShowsItsHint)
    {
        startEngine();
        WindowSession session({ "ask \"t1 [sethint \"caf\xE9]" });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* page = session.page();
        QHelpEvent onTurtle(QEvent::ToolTip, pageCentre, page->mapToGlobal(pageCentre));
        QCoreApplication::sendEvent(page, &onTurtle);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8("caf\u00e9"));
        const QPoint beside = pageCentre + QPoint(100, 0);
        QHelpEvent onPage(QEvent::ToolTip, beside, page->mapToGlobal(beside));
        QCoreApplication::sendEvent(page, &onPage);
        EXPECT_TRUE(session.waitFor([] { return QToolTip::text().isEmpty(); }));
    }

    // "startMove": the turtle follows the mouse, no button down, its centre on it, even where
    // the mouse runs ahead of its shape; a click puts it down.
    TEST(PageMouseTest, ATurtleStartedMovingFollowsTheMouseUntilAClick)
    {
        startEngine();
        WindowSession session({
            "ask \"t1 [startmove]",
            "launch [waituntil [equal? ask \"t1 [pos] [100 -50]] print [followed] "
            "waituntil [equal? mousepos [-100 0]] wait 100 print ask \"t1 [pos]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* page = session.page();
        const QPoint put = pageCentre + QPoint(100, 50);
        moveMouse(page, put, Qt::NoButton);
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "followed\n"; }))
            << session.printed();
        click(page, put);
        moveMouse(page, pageCentre + QPoint(-100, 0), Qt::NoButton);
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "followed\n100 -50\n"; }))
            << session.printed();
    }

    // "startDrag" from the handler of the press: the turtle's top-left corner follows the mouse
    // while the button stays down.
    TEST(PageMouseTest, ATurtleStartedDraggingOnAPressFollowsTheMouse)
    {
        startEngine();
        WindowSession session({
            "ask \"t1 [setevent \"onLeftDown [startdrag] setevent \"onDrag [print pos]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* page = session.page();
        sendMouse(page, QEvent::MouseButtonPress, pageCentre);
        EXPECT_TRUE(session.waitFor([&] {
            moveMouse(page, pageCentre + QPoint(50, -20), Qt::LeftButton);
            return session.printed().ends_with("66 4\n");
        })) << session.printed();
        sendMouse(page, QEvent::MouseButtonRelease, pageCentre + QPoint(50, -20));
    }

    // A program hands the user a drawing tool: the drag draws into the page's background, and the
    // page's own handlers hear nothing of it.
    TEST(PageMouseTest, ADrawingToolDrawsWithTheMouseInsteadOfRaisingEvents)
    {
        startEngine();
        WindowSession session({
            "ask \"page1 [setevent \"onLeftDown [print [down]]]",
            "setbglinewidth 3 bgflexiblerectangle",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* page = session.page();
        const QPoint from = pageCentre + QPoint(-100, -50);
        const QPoint to = pageCentre + QPoint(100, 50);
        sendMouse(page, QEvent::MouseButtonPress, from);
        moveMouse(page, to, Qt::LeftButton);
        sendMouse(page, QEvent::MouseButtonRelease, to);
        const QRgb black = qRgb(0, 0, 0);
        EXPECT_TRUE(session.waitFor([&] {
            const QImage shot = page->grab().toImage();
            return shot.pixel(from + QPoint(1, 1)) == black
                && shot.pixel(to - QPoint(1, 1)) == black && shot.pixel(to - QPoint(3, 3)) != black;
        }));
        EXPECT_EQ(session.printed(), "");
    }

    // "startMove" from a pane: the pane follows the mouse over the page, its centre on it, and a
    // click puts it down there.
    TEST(PageMouseTest, APaneStartedMovingFollowsTheMouseOverThePage)
    {
        startEngine();
        WindowSession session({
            "new \"pane [name p1 aPos [100 100] size [200 100]]",
            "ask \"p1 [startmove]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* pane = session.page()->childAt(QPoint(150, 150));
        ASSERT_NE(pane, nullptr);
        const QPoint target(400, 300); // on the page
        EXPECT_TRUE(session.waitFor([&] {
            moveMouse(pane, target - pane->pos(), Qt::NoButton);
            return pane->pos() == target - QPoint(100, 50);
        })) << pane->pos().x()
            << "," << pane->pos().y();
        click(pane, target - pane->pos());
        moveMouse(pane, QPoint(5, 5), Qt::NoButton);
        EXPECT_EQ(pane->pos(), target - QPoint(100, 50));
    }

    // Ctrl with the right button in the grip at the bottom-right corner resizes the pane: the
    // drawing stays where it was, and the new room shows the background.
    TEST(PageMouseTest, APaneResizedByItsGripKeepsItsDrawing)
    {
        startEngine();
        WindowSession session({
            "new \"pane [name p1 aPos [100 100] size [200 100] bgColour yellow]",
            "ask \"p1 [new \"turtle [name pt] ask \"pt [forward 40]]",
            "launch [waituntil [equal? ask \"p1 [size] [260 140]] print ask \"p1 [size]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* pane = session.page()->childAt(QPoint(150, 150));
        ASSERT_NE(pane, nullptr);
        const QPoint grip(195, 95);
        sendButton(pane, QEvent::MouseButtonPress, grip, Qt::RightButton, Qt::ControlModifier);
        moveMouse(pane, grip + QPoint(60, 40), Qt::RightButton);
        sendButton(pane, QEvent::MouseButtonRelease, grip + QPoint(60, 40), Qt::RightButton,
            Qt::ControlModifier);
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "260 140\n"; }))
            << session.printed();
        EXPECT_EQ(pane->size(), QSize(260, 140));
        EXPECT_EQ(pane->pos(), QPoint(100, 100));
        const QImage shot = pane->grab().toImage();
        EXPECT_EQ(shot.pixel(100, 30), qRgb(0, 0, 0)); // the line drawn before
        EXPECT_EQ(shot.pixel(250, 130), qRgb(255, 255, 0)); // new room
    }

    // A pane that may be dragged keeps the point the left button took under the mouse, its
    // position reported to its "onDrag" handler in the page's coordinates.
    TEST(PageMouseTest, APaneThatMayBeDraggedFollowsTheMouse)
    {
        startEngine();
        WindowSession session({
            "new \"pane [name p1 aPos [100 100] size [200 100] autoDrag true]",
            "ask \"p1 [setevent \"onDrag [print pos]]",
        });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        QWidget* pane = session.page()->childAt(QPoint(150, 150));
        ASSERT_NE(pane, nullptr);
        const QPoint grabbed(20, 10);
        sendMouse(pane, QEvent::MouseButtonPress, grabbed);
        const QPoint target = QPoint(100, 100) + grabbed + QPoint(50, 20); // on the page
        EXPECT_TRUE(session.waitFor([&] {
            moveMouse(pane, target - pane->pos(), Qt::LeftButton);
            return pane->pos() == QPoint(150, 120) && session.printed().ends_with("-248 129\n");
        })) << session.printed();
        sendMouse(pane, QEvent::MouseButtonRelease, target - pane->pos());
    }

} // namespace
} // namespace velmora
