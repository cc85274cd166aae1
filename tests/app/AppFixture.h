#pragma once
// A fresh application object with a scripted prompter for every test.

#include "GuiTestHelpers.h"
#include "ScriptedPrompter.h"
#include "app/VeltApplication.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

namespace velt::test {

class AppFixture : public ::testing::Test {
  protected:
    AppFixture() {
        // Every test starts without the settings an earlier one left (the recent projects).
        QSettings(QStringLiteral("VELT"), QStringLiteral("VELT")).clear();
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        app = std::make_unique<VeltApplication>(std::move(scripted));
    }
    void TearDown() override { EXPECT_TRUE(prompter->finished()) << "unused scripted answers"; }

    ScriptedPrompter* prompter;
    std::unique_ptr<VeltApplication> app;
};

} // namespace velt::test
