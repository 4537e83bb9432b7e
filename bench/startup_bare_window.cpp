// The yardsticks for the editor's start-up time, ending as soon as their window has been painted
// once: a bare Qt Widgets window, and with --frame a bare main window with the parts every
// desktop program has (a menu bar with one menu, a toolbar, a status bar and a line of text).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <cstring>

namespace {

template <typename Widget> class PaintOnce final : public Widget {
public:
    using Widget::Widget;

protected:
    void paintEvent(QPaintEvent* event) override {
        Widget::paintEvent(event);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--frame") == 0) {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        window.addToolBar(QStringLiteral("Toolbar"))->addAction(QStringLiteral("New"));
        window.statusBar()->showMessage(QStringLiteral("Ready"));
        window.setCentralWidget(new PaintOnce<QLabel>(QStringLiteral("Hello")));
        window.showMaximized();
        return QApplication::exec();
    }
    PaintOnce<QWidget> window;
    window.showMaximized();
    return QApplication::exec();
}
