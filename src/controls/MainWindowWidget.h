// MainWindowWidget: the program's main window, showing one page at a time below its menu bar, if
// it has one. A page smaller than the room left is centred in it, each axis on its own; a larger
// one starts at the room's top-left corner.
#pragma once

#include "controls/MenuActions.h"

#include <QWidget>

class QMenuBar;

namespace velmora {

class MainWindowWidget : public QWidget {
public:
    MainWindowWidget();

    // Shows the page's window and hides the one shown before.
    void showPage(QWidget* page);
    // Replaces the menu bar by one of these entries; no entries remove it.
    void setMenu(const std::vector<MenuEntry>& entries, const MenuChoice& chosen);
    QMenuBar* menuBar() const { return m_menuBar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeChildren();

    QWidget* m_shown = nullptr;
    QMenuBar* m_menuBar = nullptr;
};

} // namespace velmora
