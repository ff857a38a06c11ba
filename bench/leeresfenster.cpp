// The floor for start-up time and memory: the least a Qt Widgets program does to show a window
// of the main window's size with a title.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(7605 / 15, 5790 / 15);
    fenster.show();
    return QApplication::exec();
}
