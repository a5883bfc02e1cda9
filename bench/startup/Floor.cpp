// The least a Qt Widgets program does to show a main window with a menu bar:
// the floor that the converter's start-up is measured against.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"));
  window.show();
  return application.exec();
}
