// tSplitwindow: the main window object. It holds the pages in the order they were made, shows one
// of them at a time, and is where new pages are made; every other visual object is made on the
// current page. Exactly one exists while the program runs.
#pragma once

#include "controls/MainWindowWidget.h"
#include "controls/MenuList.h"
#include "objects/ContainerObject.h"

#include <QPointer>

#include <map>
#include <memory>
#include <vector>

namespace velmora {

class MenuCommands;
class ObjectKind;
class tlogopage;

class tSplitwindow : public tcontainerobject {
public:
    tSplitwindow(tmultiobject* windowClass, std::string name);
    ~tSplitwindow() override;

    static tSplitwindow* instance();

    std::string_view className() const override { return "mainwindow"; }
    // Pages are made in the main window, everything else on the current page (error 119 when
    // there is none).
    tcontainerobject* containerForClass(tmultiobject* objectClass) override;
    void destroy() override;
    // Objects on the shown page answer to their names from the window too, so that the command
    // line reaches the turtles it sees.
    tlogoobject* findObject(NameCode name) override;
    tmultiobject* erasableEntry(NameCode name) override;

    // Makes the window, in the window thread.
    void build(QSize size, std::string caption);
    QWidget* window() const { return m_window; }
    const std::string& caption() const { return m_caption; }
    // Retitles the window.
    void setCaption(std::string caption);
    // Replaces the window's menu bar (none for no entries); an entry chosen runs its
    // instructions as `owner`.
    void setMenu(MenuList menu, tmultiobject& owner);

    const std::vector<tlogopage*>& pages() const { return m_pages; }
    tlogopage* currentPage() const { return m_current; }
    tlogopage* pageNamed(NameCode name) const;
    // The page of that name; error 50 naming it when there is none.
    tlogopage& existingPage(tlogoobject* name) const;
    // A page that has been built joins the page list and is shown.
    void addPage(tlogopage& page);
    // Shows the page: nothing happens for the current one; otherwise "onHidePage" on the page
    // that was shown, the running process addresses the page's who list, "onShowPage" on it.
    void showPage(tlogopage& page);
    // The page leaves the list; the current one gives way to the next page (the first after the
    // last). Error 118 for the only page, unless the main window itself goes.
    void removePage(tlogopage& page);

    // Raises "onPagelistChanged" on the main window: a page came, went or was renamed.
    void pageListChanged();

    // The kind of the pages' class, which makes pages here rather than on a page.
    const ObjectKind* pageKind = nullptr;
    // The values of the properties the player keeps without acting on them, by property code.
    std::map<int32_t, ValueRef> keptProperties;

private:
    tmultiobject* shownPageEntry(NameCode name) const;

    std::vector<tlogopage*> m_pages;
    tlogopage* m_current = nullptr;
    bool m_closing = false; // destroying its pages with itself
    std::string m_caption; // the window's title
    std::shared_ptr<const MenuCommands> m_menuCommands; // of the menu bar shown
    QPointer<MainWindowWidget> m_window;
};

// The main window; error 79 when there is none.
tSplitwindow& mainWindow();

} // namespace velmora
