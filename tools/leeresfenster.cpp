// The floor for start-up time and memory: the least a Qt Widgets program does to show a window
// of the main window's size with a title. With --beschriftung it also shows one label with a
// word at a fixed place, the least a window that shows any text does.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    const bool beschriftet = argc > 1 && std::strcmp(argv[1], "--beschriftung") == 0;
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(7605 / 15, 5790 / 15);
    if (beschriftet) {
        auto* label = new QLabel(&fenster);
        label->setGeometry(8, 40, 33, 17);
        label->setText(QStringLiteral("Ende"));
    }
    fenster.show();
    return QApplication::exec();
}
