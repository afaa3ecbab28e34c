// `list [--catalogue FILE]`: one line per game of the catalogue.
#include "catalogue/categories.h"
#include "cli/cli_catalogue.h"
#include "cli/commands.h"

#include <ostream>

namespace vellamor::cli {

namespace {
int cmdList(const Args& args, std::ostream& out, std::ostream& err) {
    std::string path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--catalogue" && i + 1 < args.size()) {
            path = args[++i];
        } else {
            err << "usage: vellamor-cli list [--catalogue FILE]\n";
            return 2;
        }
    }
    TMainGame game;
    CollectingHost host;
    catalogue::Catalogue cat(cataloguePath(path), game, host);
    if (!cat.loadGameList()) {
        for (const std::string& m : host.messages)
            err << "vellamor-cli list: " << m << '\n';
        return 2;
    }
    for (const std::string& entry : game.gameList) {
        const int category = catalogue::Entry::category(entry);
        out << catalogue::Entry::id(entry) << '\t' << catalogue::Entry::name(entry) << '\t'
            << catalogue::categoryText(category) << '\n';
    }
    return 0;
}
} // namespace

VELLAMOR_CLI_COMMAND("list", cmdList,
                     "[--catalogue FILE]   list the games of the catalogue: id, name, type");

} // namespace vellamor::cli
