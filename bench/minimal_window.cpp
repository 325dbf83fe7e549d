// The yardstick of the start-up benchmark: a Qt Widgets program that creates
// one window and exits.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 768);
    return 0;
}
