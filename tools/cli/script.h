// The script language of `vellamor-cli run`: one command per line, '#' starts a
// comment. Queries print one line each; the engine's messages, beeps and sounds
// print as they happen. See docs/cli.md.
#pragma once

#include "catalogue/pile_info.h"
#include "cli/stream_host.h"
#include "engine/engine.h"

#include <chrono>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace vellamor::cli {

struct ScriptResult {
    bool ok = true;
    std::string error; // "line 4: ..." when not ok
};

class ScriptRunner {
public:
    // Results and engine events go to `out`.
    explicit ScriptRunner(std::ostream& out);

    // The rule parameters of the game, as loaded from a parameter file; `deal`
    // starts from them every time.
    void setParams(const RuleParams& params);
    void setGameNumber(const std::string& digits13);

    Engine& engine() { return engine_; }

    // Runs one line (numbered for the messages); a bad line changes nothing.
    ScriptResult runLine(std::string_view line, int number);
    // Runs every line until the first bad one.
    ScriptResult run(std::istream& in);

private:
    std::ostream& out_;
    StreamHost host_;
    Engine engine_;
    RuleParams loaded_;
    // The table size for `hit` and `drop` (`table SIZE W H`).
    char cardSize_ = 'B';
    int tableWidth_ = 1024, tableHeight_ = 768;
    void layOut();
    // The pile-text entries of the game (`texts FILE [ID]`), laid over `info`.
    catalogue::PileTexts pileTexts_;
    // The script's own clock: `clock SECONDS` moves it on.
    std::chrono::system_clock::time_point now_{};
};

} // namespace vellamor::cli
