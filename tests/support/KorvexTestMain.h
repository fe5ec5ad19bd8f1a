#pragma once

#include "KorvexTestEnvironment.h"
#include "core/CKorvexActionFactory.h"
#include "resources/KorvexResources.h"

#include <QApplication>
#include <QtTest>

/// QTEST_MAIN with a private home and settings store, resources registered and prompts scripted.
#define KORVEX_TEST_MAIN(TestObject)                         \
    int main(int argc, char* argv[])                         \
    {                                                        \
        KorvexTestEnvironment korvexEnvironment;             \
        QApplication application(argc, argv);                \
        application.setAttribute(Qt::AA_Use96Dpi, true);     \
        korvexInitResources();                               \
        Korvex::registerCoreArchivable();                    \
        TestObject testObject;                               \
        QTEST_SET_MAIN_SOURCE_PATH                           \
        return QTest::qExec(&testObject, argc, argv);        \
    }
