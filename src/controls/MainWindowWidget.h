// MainWindowWidget: the program's main window, showing one page at a time. A page smaller than the
// window is centred in it, each axis on its own; a larger one starts at the top-left corner.
#pragma once

#include <QWidget>

namespace velmora {

class MainWindowWidget : public QWidget {
public:
    MainWindowWidget();

    // Shows the page's window and hides the one shown before.
    void showPage(QWidget* page);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeShownPage();

    QWidget* m_shown = nullptr;
};

} // namespace velmora
