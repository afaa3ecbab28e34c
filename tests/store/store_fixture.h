// Shared helpers of the store tests: a temporary folder that is removed
// afterwards, whole-file reads and writes, and a host that records the boxes.
#pragma once

#include "store/store_host.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace vellamor::store::testing {

class RecordingHost : public StoreHost {
public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    bool showAdvice(std::string_view text, int page) override {
        advice.emplace_back(text);
        pages.push_back(page);
        return tickNext;
    }
    AdviceAnswer askAdvice(std::string_view text, bool withCancel) override {
        asked.emplace_back(text);
        cancelShown.push_back(withCancel);
        return answer;
    }
    void busy(bool on) override { busyCalls.push_back(on); }

    std::vector<std::string> messages, advice, asked;
    std::vector<int> pages;
    std::vector<bool> cancelShown, busyCalls;
    bool tickNext = false;
    AdviceAnswer answer{true, false};
};

class TempFolder {
public:
    TempFolder() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "vellamor-store-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl + "/";
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

// Files of a folder, for checking that no temporary file stays behind.
inline std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline bool runningAsRoot() {
    return ::geteuid() == 0;
}

} // namespace vellamor::store::testing

namespace vellamor::store::testing {

// Makes every write beyond `bytes` of a file fail (EFBIG), even for root: the
// way these tests make a write fail part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

// Names of temporary replacement files left in a folder.
inline std::vector<std::string> leftoverTemps(const std::string& folder) {
    std::vector<std::string> out;
    for (const std::string& n : listFolder(folder))
        if (n.rfind("rpl", 0) == 0) out.push_back(n);
    return out;
}

} // namespace vellamor::store::testing
