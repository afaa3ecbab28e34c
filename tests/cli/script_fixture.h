// The script interpreter run in-process on the sample Klondike of
// data/params/klondike.txt, for the tests of the script commands.
#pragma once

#include "cli/param_file.h"
#include "cli/script.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vellamor::cli {

struct ScriptRun {
    ScriptResult result;
    std::string out; // what the script printed
};

inline ScriptRun runSampleScript(const std::string& text) {
    std::ostringstream out;
    ScriptRunner runner(out);
    RuleParams params;
    EXPECT_TRUE(readParamFile(VELLAMOR_SOURCE_DIR "/data/params/klondike.txt", params).ok);
    runner.setParams(params);
    std::istringstream in(text);
    ScriptRun r;
    r.result = runner.run(in);
    r.out = out.str();
    return r;
}

} // namespace vellamor::cli
