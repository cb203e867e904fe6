#include <QApplication>

#include "main/fenster/Main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kalvora");
    QApplication::setOrganizationName("Kalvora");
    kalvora::TForm1 form1;
    form1.show();
    return QApplication::exec();
}
