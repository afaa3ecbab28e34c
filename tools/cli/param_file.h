// Rule parameter files: one "index value" pair per line, '#' starts a comment,
// indexes not given are 0.
#pragma once

#include "engine/rule_params.h"

#include <istream>
#include <string>

namespace vellamor::cli {

struct ParamFileResult {
    bool ok = false;
    std::string error; // "line 3: ..." when not ok
};

ParamFileResult readParams(std::istream& in, RuleParams& params);
ParamFileResult readParamFile(const std::string& path, RuleParams& params);

} // namespace vellamor::cli
