#include "controls/MainWindowObject.h"

#include "graphics/ShapeAnim.h"

#include "controls/MenuCommands.h"
#include "controls/PageObject.h"
#include "controls/QtMainThread.h"
#include "graphics/WidgetText.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "objects/AskTable.h"
#include "objects/EventRaising.h"
#include "processes/MainThreadCall.h"

#include <algorithm>

namespace velmora {

namespace {
    tSplitwindow* theMainWindow = nullptr;

    void raise(tmultiobject& object, const char* event)
    {
        startEventProcess(object, EventCodes::instance().eventCode(event));
    }
}

tSplitwindow::tSplitwindow(tmultiobject* windowClass, std::string name)
    : tcontainerobject({ windowClass }, std::move(name))
{
    theMainWindow = this;
}

tSplitwindow::~tSplitwindow()
{
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

tSplitwindow* tSplitwindow::instance() { return theMainWindow; }

tSplitwindow& mainWindow()
{
    if (!theMainWindow)
        throw eLogoException(erInitGraphic);
    return *theMainWindow;
}

tcontainerobject* tSplitwindow::containerForClass(tmultiobject* objectClass)
{
    if (objectClass->instanceKind == pageKind)
        return this;
    if (!m_current)
        throw eLogoException(erNoPageCreateObj);
    return m_current;
}

tlogoobject* tSplitwindow::findObject(NameCode name)
{
    if (tlogoobject* found = tcontainerobject::findObject(name))
        return found;
    return shownPageEntry(name);
}

tmultiobject* tSplitwindow::erasableEntry(NameCode name)
{
    if (tmultiobject* own = tableEntry(name))
        return own;
    return shownPageEntry(name);
}

tmultiobject* tSplitwindow::shownPageEntry(NameCode name) const
{
    return m_current ? m_current->tableEntry(name) : nullptr;
}

void tSplitwindow::destroy()
{
    m_closing = true;
    // The menu's commands may hold the window itself, as the object that set the menu.
    m_menuCommands.reset();
    keptProperties.clear();
    tcontainerobject::destroy();
    if (theMainWindow == this)
        theMainWindow = nullptr;
    closeWindow(m_window);
}

void tSplitwindow::build(QSize size, std::string caption)
{
    m_caption = std::move(caption);
    const QString title = widgetText(m_caption);
    MainThreadCaller::current().call([&] {
        m_window = new MainWindowWidget;
        m_window->setWindowTitle(title);
        m_window->resize(size);
        m_window->show();
    });
}

void tSplitwindow::setCaption(std::string caption)
{
    m_caption = std::move(caption);
    QPointer<MainWindowWidget> window = m_window;
    MainThreadCaller::current().call([window, title = widgetText(m_caption)] {
        if (window)
            window->setWindowTitle(title);
    });
}

void tSplitwindow::setMenu(MenuList menu, tmultiobject& owner)
{
    m_menuCommands = std::make_shared<const MenuCommands>(std::move(menu.values), owner);
    QPointer<MainWindowWidget> window = m_window;
    MainThreadCaller::current().call([window, entries = std::move(menu.entries),
                                         chosen = MenuCommands::choiceFor(m_menuCommands)] {
        if (window)
            window->setMenu(entries, chosen);
    });
}

tlogopage* tSplitwindow::pageNamed(NameCode name) const
{
    for (tlogopage* page : m_pages)
        if (NameCodes::instance().intern(page->name()) == name)
            return page;
    return nullptr;
}

tlogopage& tSplitwindow::existingPage(tlogoobject* name) const
{
    tlogopage* page = pageNamed(name->nameCode());
    if (!page)
        throw eLogoException(erNoObject, name);
    return *page;
}

void tSplitwindow::addPage(tlogopage& page)
{
    m_pages.push_back(&page);
    showPage(page);
}

void tSplitwindow::showPage(tlogopage& page)
{
    if (m_current == &page)
        return;
    if (m_current)
        raise(*m_current, "onHidePage");
    QPointer<MainWindowWidget> window = m_window;
    QWidget* pageWindow = page.window();
    MainThreadCaller::current().call([window, pageWindow] {
        if (window && pageWindow)
            window->showPage(pageWindow);
    });
    m_current = &page;
    tShapeAnim::program().showPage(page.surface().animationPage());
    if (InterpreterState* state = InterpreterState::current(); state && state->askStack.empty()) {
        InterpreterState::WhoList who = page.whoList();
        state->currentTable = who.empty() ? nullptr : askTableOf(who.front());
        state->whoList = std::move(who);
    }
    raise(page, "onShowPage");
    pageListChanged();
}

void tSplitwindow::pageListChanged() { raise(*this, "onPagelistChanged"); }

void tSplitwindow::removePage(tlogopage& page)
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), &page);
    if (found == m_pages.end())
        return;
    if (m_closing) {
        m_pages.erase(found);
        m_current = nullptr;
        return;
    }
    if (m_current == &page) {
        if (m_pages.size() == 1)
            throw eLogoException(erEraseOnlyPage);
        tlogopage* next = found + 1 == m_pages.end() ? m_pages.front() : *(found + 1);
        m_pages.erase(found);
        showPage(*next);
        return;
    }
    m_pages.erase(found);
    pageListChanged();
}

} // namespace velmora
