// The yardstick for Velmoor's start-up: a bare Qt Widgets window with the same kinds of
// widgets as the question window (a menu bar, labels, a multi-line text box, a button),
// and nothing else: no style sheet, no settings, no lock, no icon.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *central = new QWidget(&window);
    auto *label = new QLabel(QStringLiteral("Enter Your Question"), central);
    label->setGeometry(192, 72, 131, 13);
    auto *text = new QPlainTextEdit(central);
    text->setGeometry(40, 88, 433, 57);
    auto *button = new QPushButton(QStringLiteral("Get My Answer"), central);
    button->setGeometry(144, 219, 225, 33);
    central->setFixedSize(518, 355);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
