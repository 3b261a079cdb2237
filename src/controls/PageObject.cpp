#include "controls/PageObject.h"

#include "controls/MainWindowObject.h"
#include "controls/QtMainThread.h"
#include "controls/SurfaceGraphicPart.h"
#include "processes/MainThreadCall.h"

namespace velmora {

namespace {

    // The running object itself or what it is placed in, nearest first.
    template <class Wanted> Wanted* nearestOnPlaceChain()
    {
        InterpreterState* state = InterpreterState::current();
        for (auto* object = state ? dynamic_cast<tmultiobject*>(state->currentObject) : nullptr;
             object; object = object->place())
            if (auto* wanted = dynamic_cast<Wanted*>(object))
                return wanted;
        return nullptr;
    }

} // namespace

tlogopage::tlogopage(tmultiobject* pageClass, std::string name)
    : tcontainerobject({ pageClass }, std::move(name))
{
}

tlogopage::~tlogopage() { closeWindow(m_window); }

void tlogopage::build(QSize size, QWidget* mainWindow)
{
    m_surface = std::make_shared<Surface>(size, newSurfaceBackground);
    m_graphicPart = std::make_shared<SurfaceGraphicPart>(*this, size);
    MainThreadCaller::current().call(
        [&] { m_window = new SurfaceWidget(m_surface, m_graphicPart, mainWindow); });
}

// The last page stays: error 118 before anything of it goes.
void tlogopage::destroy()
{
    if (tSplitwindow* mainWindow = tSplitwindow::instance())
        mainWindow->removePage(*this);
    m_graphicPart.reset();
    tcontainerobject::destroy();
}

InterpreterState::WhoList tlogopage::whoList() const
{
    InterpreterState::WhoList who;
    for (const ValueRef& object : m_who)
        if (auto* multiObject = dynamic_cast<tmultiobject*>(object.get());
            multiObject && !multiObject->destroyed())
            who.push_back(multiObject);
    return who;
}

void tlogopage::setWhoList(const InterpreterState::WhoList& who)
{
    m_who.assign(who.begin(), who.end());
}

void tlogopage::adopt(tlogoobject* turtle)
{
    if (whoList().empty())
        m_who = { ValueRef(turtle) };
}

tlogopage& currentPage()
{
    if (tlogopage* page = nearestOnPlaceChain<tlogopage>())
        return *page;
    tSplitwindow* mainWindow = tSplitwindow::instance();
    if (!mainWindow || !mainWindow->currentPage())
        throw eLogoException(erInitGraphic);
    return *mainWindow->currentPage();
}

SurfaceOwner& currentSurfaceOwner()
{
    if (SurfaceOwner* owner = nearestOnPlaceChain<SurfaceOwner>())
        return *owner;
    return currentPage();
}

} // namespace velmora
