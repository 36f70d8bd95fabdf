#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// The widgets need an application object; no test needs a real display, and none touches the
// settings of the user who runs the tests. Without a display the windows stand on a screen of
// 1366 by 768, the smallest the program is made for.
int main(int argc, char** argv) {
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir screens;
  if (platform == "offscreen") {
    QFile config(screens.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly)) return 2;
    config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1366,
                                  "height": 768, "logicalDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  }
  QApplication application(argc, argv);
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
