#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// The widgets need an application object; no test needs a real display, and none touches the
// settings of the user who runs the tests. Without a display the windows stand on a screen of
// 1366 by 768, the smallest the program is made for.
int main(int argc, char** argv) {
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen");
  // Qt takes the platform's arguments apart at each colon, so the file is named by its path from
  // the working folder, which on Windows must be on the same drive to have one.
#ifdef Q_OS_WIN
  QTemporaryDir screens(QDir::current().filePath("screens-XXXXXX"));
#else
  QTemporaryDir screens;
#endif
  if (platform == "offscreen") {
    QFile config(screens.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly)) return 2;
    config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1366,
                                  "height": 768, "logicalDpi": 96}]})");
    config.close();
    const QString relative = QDir::current().relativeFilePath(config.fileName());
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + relative).toUtf8());
  }
  QApplication application(argc, argv);
  const QTemporaryDir settings;
  // A file there, on Windows too, where the user's settings are in the registry.
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
