// One QApplication for all tests of a binary, on the offscreen platform
// unless the caller chose another, with a configuration directory of its own
// so that no test reads or writes the user's settings (recent routers).

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Child processes (the manager, the session child) inherit it.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
