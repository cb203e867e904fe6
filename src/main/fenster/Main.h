#pragma once
#include <QMainWindow>

namespace kalvora {

// The main window: menu, tool bar, year view and status bar.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace kalvora
