#include "controls/MainWindowWidget.h"

#include <algorithm>

namespace velmora {

MainWindowWidget::MainWindowWidget() { setAutoFillBackground(true); }

void MainWindowWidget::showPage(QWidget* page)
{
    if (m_shown && m_shown != page)
        m_shown->hide();
    m_shown = page;
    placeShownPage();
    page->show();
}

void MainWindowWidget::resizeEvent(QResizeEvent*) { placeShownPage(); }

void MainWindowWidget::placeShownPage()
{
    if (!m_shown)
        return;
    const QSize room = size() - m_shown->size();
    m_shown->move(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
}

} // namespace velmora
