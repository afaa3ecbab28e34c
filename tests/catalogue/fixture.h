// A small GAMES.DAT written from plain text lines, for the reader's tests.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vellamor::testing {

// Shifts a plain line the way the catalogue stores it (each character + 48),
// written here independently of the product's writer.
inline std::string stored(const std::string& plain) {
    std::string s;
    for (char c : plain)
        s += static_cast<char>(static_cast<unsigned char>(c) + 48);
    return s;
}

// A [Sect2] line for parameter k with one value text per game.
inline std::string paramLine(int k, const std::vector<std::string>& fields) {
    char index[8];
    std::snprintf(index, sizeof index, "%04d", k);
    std::string line = std::string(index) + std::string(12, ' ');
    for (std::string f : fields) {
        f.resize(10, ' ');
        line += stored(f + ' ');
    }
    return line;
}

// A [Sect1] entry: category, id, listing/screen/new marks, name.
inline std::string entry(int category, int id, const std::string& marks, const std::string& name) {
    char head[16];
    std::snprintf(head, sizeof head, "%03d %03d", category, id);
    std::string n = name;
    n.resize(50, ' ');
    return stored(head + marks + n);
}

class TempCatalogue {
public:
    explicit TempCatalogue(const std::vector<std::string>& lines, const char* eol = "\r\n") {
        path_ =
            (std::filesystem::temp_directory_path() /
             ("vellamor_cat_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".dat"))
                .string();
        std::ofstream out(path_, std::ios::binary);
        for (const std::string& l : lines)
            out << l << eol;
    }
    ~TempCatalogue() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace vellamor::testing
