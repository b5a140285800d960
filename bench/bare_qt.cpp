// The yardstick for Velmoor's start-up: a bare Qt Widgets window with the same kinds of
// widgets as the question window (a menu bar, labels, a multi-line text box, a button),
// and nothing else: no style sheet, no settings, no lock, no icon, no translation.
// bare_qt ja or bare_qt ar shows its texts in Japanese or Arabic (right to left), so that
// Velmoor in a language is measured against a window drawing the same script.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString script = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const auto text = [&script](const char *english, const char *japanese, const char *arabic) {
        return QString::fromUtf8(script == u"ja" ? japanese : script == u"ar" ? arabic : english);
    };
    if (script == u"ar")
        QApplication::setLayoutDirection(Qt::RightToLeft);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()
        ->addMenu(text("&File", "ファイル(&F)", "&ملف"))
        ->addAction(text("E&xit", "終了(&X)", "&خروج"));
    window.menuBar()
        ->addMenu(text("&Help", "ヘルプ(&H)", "&تعليمات"))
        ->addAction(text("&About", "情報(&A)", "&حول"));
    auto *central = new QWidget(&window);
    auto *label = new QLabel(text("Enter Your Question", "質問を入力", "اكتب سؤالك"), central);
    label->setGeometry(192, 72, 131, 13);
    auto *field = new QPlainTextEdit(central);
    field->setGeometry(40, 88, 433, 57);
    auto *button = new QPushButton(text("Get My Answer", "答えを見る", "احصل على إجابتي"), central);
    button->setGeometry(144, 219, 225, 33);
    central->setFixedSize(518, 355);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
