// The yardstick for Setup's start-up: a bare Qt window of a given size and
// nothing else, shown as Setup shows its frame.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(arguments.value(1).toInt(), arguments.value(2).toInt());
    window.show();
    return application.exec();
}
