// The main window in a real window: its title, and its menu bar as "setmenu" builds it (its
// entries, separators, submenus and options, an entry chosen running its instructions as a menu
// command, and the page making room for the bar).
#include "core/EngineStartup.h"

#include "WindowSession.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // The page sets the window's menu, whose Save entry is disabled through options that "!"
    // fills in; "D\xE9j\xE0 vu" is "Déjà vu" in the language's code page.
    const std::vector<std::string> menuProgram = {
        "make \"on \"false",
        "ask \"page1 [setmenu [[File [] [[Open [print list processname myname]] [] [Save [] []"
        " [enabled :on]]]] [|D\xE9j\xE0 vu| [print \"again] [] [checked true]]]]",
    };

    QMenuBar* menuBarOf(const WindowSession& session)
    {
        return session.page()->window()->findChild<QMenuBar*>();
    }

    // The menu bar once the session's lines have run; none when they have not run in time.
    QMenuBar* menuBarOnceRun(WindowSession& session)
    {
        return session.waitFor([&] { return session.ready(); }) ? menuBarOf(session) : nullptr;
    }

    // Whether the bar's area shows dark pixels, the captions drawn on it.
    bool showsCaptions(const QImage& shot, const QRect& bar)
    {
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x)
                if (qGray(shot.pixel(x, y)) < 100)
                    return true;
        return false;
    }

    // The title starts as the application's, and the caption retitles the window, from the
    // language's code page: "Caf\xE9" is "Café".
    TEST(MainWindowTest, TheCaptionIsTheTitleOfTheWindow)
    {
        startEngine();
        WindowSession session({ "print caption", "setcaption [Caf\xE9 sums]" });
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        EXPECT_EQ(session.printed(), "Velmora\n");
        EXPECT_EQ(session.page()->window()->windowTitle(), QString::fromUtf8("Caf\u00e9 sums"));
    }

    TEST(MainWindowTest, TheMenuBarHoldsTheEntriesOfTheMenuList)
    {
        startEngine();
        WindowSession session(menuProgram);
        QMenuBar* bar = menuBarOnceRun(session);
        ASSERT_NE(bar, nullptr);
        const QList<QAction*> top = bar->actions();
        ASSERT_EQ(top.size(), 2);
        ASSERT_NE(top[0]->menu(), nullptr);
        const QList<QAction*> file = top[0]->menu()->actions();
        ASSERT_EQ(file.size(), 3);
        const struct {
            QAction* action;
            const char* text;
            bool separator, enabled, checked;
        } expected[] = {
            { top[0], "File", false, true, false },
            { file[0], "Open", false, true, false },
            { file[1], "", true, true, false },
            { file[2], "Save", false, false, false },
            { top[1], "D\u00e9j\u00e0 vu", false, true, true },
        };
        for (const auto& [action, text, separator, enabled, checked] : expected) {
            EXPECT_EQ(action->text(), text);
            EXPECT_EQ(action->isSeparator(), separator) << text;
            EXPECT_EQ(action->isEnabled(), enabled) << text;
            EXPECT_EQ(action->isChecked(), checked) << text;
        }
    }

    TEST(MainWindowTest, AnEntryChosenRunsAsAMenuCommandOfTheObjectThatSetTheMenu)
    {
        startEngine();
        WindowSession session(menuProgram);
        QMenuBar* bar = menuBarOnceRun(session);
        ASSERT_NE(bar, nullptr);
        bar->actions()[0]->menu()->actions()[0]->trigger();
        EXPECT_TRUE(session.waitFor([&] { return session.printed() == "@MenuCommand page1\n"; }))
            << session.printed();
    }

    // The page lies below the bar, which shows its captions; the picture is kept for a look.
    TEST(MainWindowTest, ThePageLiesBelowTheMenuBar)
    {
        startEngine();
        WindowSession session(menuProgram);
        QMenuBar* bar = menuBarOnceRun(session);
        ASSERT_NE(bar, nullptr);
        QWidget* page = session.page();
        EXPECT_GE(page->y(), bar->geometry().bottom());
        const QImage shot = page->window()->grab().toImage();
        shot.save(QString::fromStdString(testing::TempDir()) + "velmora-menubar.png");
        EXPECT_EQ(shot.pixel(page->geometry().topLeft() + QPoint(1, 1)), qRgb(255, 255, 255));
        EXPECT_TRUE(showsCaptions(shot, bar->geometry()));
    }

    // Without a bar the page is centred in the whole window again.
    TEST(MainWindowTest, TheEmptyListRemovesTheMenuBar)
    {
        startEngine();
        std::vector<std::string> lines = menuProgram;
        lines.push_back("setmenu []");
        WindowSession session(lines);
        ASSERT_TRUE(session.waitFor([&] { return session.ready(); }));
        EXPECT_EQ(menuBarOf(session), nullptr);
        QWidget* page = session.page();
        EXPECT_EQ(page->y(), (page->window()->height() - page->height()) / 2);
    }

} // namespace
} // namespace velmora
