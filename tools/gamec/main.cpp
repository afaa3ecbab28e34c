// vellamor-gamec: compiles the game sources into GAMES.DAT and the rules pages.
//
//   vellamor-gamec --out PROGRAM_DIR SOURCES_DIR     GAMES.DAT and help/NNNN.html
//   vellamor-gamec --markdown FILE SOURCES_DIR       the list of games
//   vellamor-gamec --check SOURCES_DIR               only checks the sources
#include "catalogue/catalogue_writer.h"
#include "gamec/compile.h"
#include "gamec/pages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Writes beside the target and renames over it, so that a failed run never
// leaves half a file behind.
bool writeFile(const fs::path& path, const std::string& text) {
    const fs::path tmp = path.string() + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::cerr << "vellamor-gamec: cannot write " << tmp.string() << '\n';
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        std::cerr << "vellamor-gamec: cannot replace " << path.string() << ": " << ec.message()
                  << '\n';
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

int usage() {
    std::cerr << "usage: vellamor-gamec --out PROGRAM_DIR SOURCES_DIR\n"
                 "       vellamor-gamec --markdown FILE SOURCES_DIR\n"
                 "       vellamor-gamec --check SOURCES_DIR\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, markdown, sources;
    bool check = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--markdown" && i + 1 < args.size())
            markdown = args[++i];
        else if (args[i] == "--check")
            check = true;
        else if (!args[i].starts_with("--") && sources.empty())
            sources = args[i];
        else
            return usage();
    }
    if (sources.empty() || (out.empty() && markdown.empty() && !check)) return usage();

    const vellamor::gamec::CompileResult result = vellamor::gamec::compileFolder(sources);
    for (const auto& d : result.errors)
        std::cerr << d.text() << '\n';
    if (!result.ok()) {
        std::cerr << "vellamor-gamec: " << result.errors.size() << " error(s); nothing written\n";
        return 1;
    }

    if (!out.empty()) {
        std::vector<vellamor::catalogue::CatalogueGame> columns;
        for (const auto& g : result.games)
            columns.push_back(g.entry);
        std::error_code ec;
        fs::create_directories(fs::path(out) / "help", ec);
        if (ec) {
            std::cerr << "vellamor-gamec: cannot create " << out << "/help: " << ec.message()
                      << '\n';
            return 1;
        }
        for (const auto& g : result.games)
            if (!writeFile(fs::path(out) / "help" / vellamor::gamec::rulesPageName(g),
                           vellamor::gamec::rulesPage(g)))
                return 1;
        if (!writeFile(fs::path(out) / "GAMES.DAT",
                       vellamor::catalogue::writeCatalogue(columns, result.lists)))
            return 1;
    }
    if (!markdown.empty() && !writeFile(markdown, vellamor::gamec::gamesMarkdown(result.games)))
        return 1;
    return 0;
}
