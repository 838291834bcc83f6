// The yardstick for start-up timing: a bare Qt main window with menus, a
// toolbar and a list, which says "painted" and quits as soon as its list has
// painted once, as Tessaly does with --quit-after-paint.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

namespace {

class QuitAfterPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* title : {"File", "Insert", "Slide", "Show"}) {
    QMenu* menu = window.menuBar()->addMenu(title);
    for (int i = 0; i < 6; ++i) menu->addAction(QString("%1 %2").arg(title).arg(i));
  }
  QToolBar* tools = window.addToolBar("Tools");
  for (int i = 0; i < 8; ++i) tools->addAction(QString("Tool %1").arg(i));
  auto* list = new QListWidget(&window);
  for (int i = 0; i < 20; ++i) list->addItem(QString("Slide %1").arg(i + 1));
  window.setCentralWidget(list);
  QuitAfterPaint quit;
  list->viewport()->installEventFilter(&quit);
  window.resize(1100, 800);
  window.show();
  return app.exec();
}
