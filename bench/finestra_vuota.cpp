// The floor of the cold-start measure: a Qt Widgets program that shows one
// empty top-level window and waits, with nothing of the program in it. What
// the program takes beyond this to map its start window is its own start.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("FINESTRA VUOTA"));
    finestra.resize(640, 480);
    finestra.show();
    return qapp.exec();
}
