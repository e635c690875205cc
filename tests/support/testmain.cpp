// The main of every test program. The tests run with a fresh temporary folder as the current folder,
// and so as the application folder, so that nothing a test writes lands in the sources or the build
// tree; the component's registry file lies there too. Programs with windows or reports draw on the
// offscreen platform unless another is asked for.
#include "k8tr4072.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(TEST_MAIN_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(TEST_MAIN_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("receipts-test-XXXXXX")));
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        fprintf(stderr, "cannot make a temporary folder to run the tests in\n");
        return 2;
    }
    qputenv(K8TR4072_REGISTRY_ENV, QFile::encodeName(folder.filePath(QStringLiteral("registry.ini"))));
    const int status = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());
    return status;
}
