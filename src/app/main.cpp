// Moxlet: the desktop program.  A thin shell over moxlet_ui.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
