// A command context on the fakes, in English, for the tests of one handler or layer.
#pragma once

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "commands/CommandContext.h"
#include "platform/ControlIds.h"

namespace tilora::testing {

class ContextTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    CommandContext context{fake.platform()};
    MessageCatalogue& catalogue = context.catalogue;
    WindowModel& model = context.model;
    Monitors& monitors = context.monitors;

    ContextTest() { catalogue.CopySelectedTables(); }
    std::vector<std::wstring> Lines() const { return fake.controls.Lines(IDC_LB_INFO); }
};

}  // namespace tilora::testing
