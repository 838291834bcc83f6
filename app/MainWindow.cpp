#include "app/MainWindow.h"

#include "app/store/StringTable.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(AppTitle());
  resize(1100, 800);
}
