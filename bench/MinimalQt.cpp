// The smallest Qt Widgets program with a hidden window, to compare idle memory with.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.winId();
    return application.exec();
}
