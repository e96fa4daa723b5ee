#pragma once

// One QApplication on the offscreen platform for a whole test executable,
// and a way to let it deliver what is queued without waiting.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace testing_support {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tekuran-test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        // The offscreen platform cannot raise windows and says so at every Show.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QStringLiteral("does not support raise")))
                std::fprintf(stderr, "%s (%s)\n", qPrintable(qFormatLogMessage(type, context, message)), context.category);
        });
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

inline const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Lets the toolkit deliver what is queued (activation, paints, zero timers).
// A bounded number of passes, never a wait.
inline void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

} // namespace testing_support
