// A log of whole positions, newest last, with the side effects of each step.
// Undo and redo each keep one. Steps are stored compactly (one allocation each);
// the text form of saved games is produced and read at the edges.
#pragma once

#include "engine/table.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor {

class UndoLog {
public:
    int size() const { return static_cast<int>(steps_.size()); }
    bool empty() const { return steps_.empty(); }
    void clear() { steps_.clear(); }

    // Stores the position as the newest step with an empty side-effect entry.
    // With `emptyFoundation1` foundation 1 is stored empty (its cards are discards).
    void push(const Table& table, const CardRecords& cards, bool emptyFoundation1 = false);

    // Restores the newest step into the table (second waste, waste, stock,
    // foundations 16 to 1, tableau 40 to 1, reserves 12 to 1) and removes it;
    // returns its side-effect entry. Nothing happens on an empty log.
    std::string pop(Table& table, CardRecords& cards);

    // Drops the newest step without restoring it (its action did nothing).
    void withdraw();

    // Merging a compound action into one step: drop the newest n steps, or the
    // n steps before the newest. The side effects of the dropped steps stay with
    // the step that remains.
    void dropNewest(int n);
    void dropBeforeNewest(int n);

    // Side effects: "002" the stock-deal counter changed, "003" the pass number
    // changed, "004" the draw rule was used.
    void record(std::string_view code);
    const std::string& newestEffects() const;
    void setNewestEffects(std::string effects);
    int count(std::string_view code) const;

    // The five sections of a saved game: "[UNDO - Stock]", "[UNDO - Foundations]",
    // "[UNDO - Piles]", "[UNDO - Reserves]" each followed by its snapshot lines
    // (oldest step first), and "[UNDO - Log]" followed by the side-effect text.
    std::vector<std::string> exportSections() const;
    // Reads them back; false (and the log unchanged) when they are malformed.
    bool importSections(std::span<const std::string> lines);

    // The 71 snapshot lines of step k (0 the oldest).
    std::vector<std::string> stepLines(int k) const { return lines(steps_.at(k)); }

    // The side-effect text: each step's codes followed by a comma.
    std::string effectsText() const;

private:
    struct Step {
        std::vector<std::uint8_t> data; // per pile: count (2 bytes), then code and face per card
        std::string effects;
    };
    static void mergeEffects(std::string& into, const std::string& from);
    static Step encode(const Table& table, const CardRecords& cards, bool emptyFoundation1);
    static void decode(const Step& step, Table& table, CardRecords& cards);
    static std::vector<std::string> lines(const Step& step);

    std::vector<Step> steps_;
};

} // namespace vellamor
