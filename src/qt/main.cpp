#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle("Jataka Desk 0.1");
    frame.setCentralWidget(new QMdiArea(&frame));
    frame.resize(1024, 700);
    frame.show();
    return app.exec();
}
