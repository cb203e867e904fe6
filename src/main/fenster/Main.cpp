#include "main/fenster/Main.h"

namespace kalvora {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Kalvora - [unbenannt]"));
    resize(1024, 768);
}

}  // namespace kalvora
