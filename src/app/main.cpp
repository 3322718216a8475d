// Start-up: the program folder is the folder of the executable, made the
// current folder, so the plain file names of the hand file, the options file
// and the picture sheet refer to it.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  QMainWindow window;
  window.setWindowTitle("Tavlo");
  window.setCentralWidget(new QLabel("Tavlo", &window));
  window.resize(640, 480);
  window.show();
  return app.exec();
}
