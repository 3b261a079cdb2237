#include "controls/MainWindowWidget.h"

#include <QMenuBar>

#include <algorithm>

namespace velmora {

MainWindowWidget::MainWindowWidget() { setAutoFillBackground(true); }

void MainWindowWidget::showPage(QWidget* page)
{
    if (m_shown && m_shown != page)
        m_shown->hide();
    m_shown = page;
    placeChildren();
    page->show();
}

void MainWindowWidget::setMenu(const std::vector<MenuEntry>& entries, const MenuChoice& chosen)
{
    delete std::exchange(m_menuBar, nullptr);
    if (!entries.empty()) {
        m_menuBar = new QMenuBar(this);
        addMenuActions(*m_menuBar, entries, chosen);
        m_menuBar->show();
    }
    placeChildren();
}

void MainWindowWidget::resizeEvent(QResizeEvent*) { placeChildren(); }

void MainWindowWidget::placeChildren()
{
    const int top = m_menuBar ? m_menuBar->heightForWidth(width()) : 0;
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), top);
    if (!m_shown)
        return;
    const QSize room = size() - QSize(0, top) - m_shown->size();
    m_shown->move(std::max(0, room.width() / 2), top + std::max(0, room.height() / 2));
}

} // namespace velmora
