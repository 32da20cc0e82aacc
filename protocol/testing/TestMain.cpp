// Joins every protocol test executable: a QCoreApplication for the event loop and the debug
// log switched on in a temporary folder, before the first test runs.
#include "protocol/testing/LogCapture.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ProtocolTestEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "protocol-test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
        SwitchOnTestLog();
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ProtocolTestEnvironment);

} // namespace
