#include "TestRegistry.h"

#include <QTest>

#if __has_include(<QApplication>)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char* argv[])
{
    // Windows are real but never shown on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    // "test_x ClassName [Qt Test options]" runs one test class; otherwise every class runs.
    const char* onlyClass = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    bool found = false;
    int failures = 0;
    for (const TestRegistry::Factory& make : TestRegistry::factories()) {
        const std::unique_ptr<QObject> test = make();
        if (onlyClass && qstrcmp(test->metaObject()->className(), onlyClass) != 0)
            continue;
        found = true;
        if (onlyClass) {
            argv[1] = argv[0];
            failures += QTest::qExec(test.get(), argc - 1, argv + 1);
        } else {
            failures += QTest::qExec(test.get(), argc, argv);
        }
    }
    if (onlyClass && !found)
        qCritical("no test class %s", onlyClass);
    return failures == 0 && (found || !onlyClass) ? 0 : 1;
}
