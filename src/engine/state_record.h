// The program's state record: current values shared across the program, held as
// text fields addressed by 1-based position and width. A write cuts or
// blank-pads the value to the field width; a read drops trailing blanks.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace vellamor {

struct StateField {
    int pos;   // 1-based first character
    int width;
};

namespace field {
inline constexpr StateField SettingsFile{1, 20};
inline constexpr StateField CardBack{21, 3};
inline constexpr StateField CardSet{24, 3};
inline constexpr StateField DefaultBackground{27, 1};
inline constexpr StateField BackgroundColour{28, 15};
inline constexpr StateField BackgroundPicture{43, 4};
inline constexpr StateField GameId{62, 4};
inline constexpr StateField LanguageBase{68, 6};
inline constexpr StateField PlayerName{77, 30};
inline constexpr StateField RunCounter1{112, 4};
inline constexpr StateField RunCounter2{116, 4};
inline constexpr StateField ScoreMode{120, 2};
inline constexpr StateField Score{122, 6};
inline constexpr StateField CardSize{128, 1};
inline constexpr StateField UndoMade{138, 1}; // "1" right after an undo
inline constexpr StateField RedoMade{139, 1}; // "1" right after a redo
inline constexpr StateField GameNumber{153, 15};
inline constexpr StateField GameName{189, 50};
inline constexpr StateField BookmarkFile{701, 200};
} // namespace field

class StateRecord {
public:
    StateRecord() { reset(); }

    // All blanks, then the settings file name.
    void reset();

    void write(int pos, int width, std::string_view value);
    std::string read(int pos, int width) const;
    void write(StateField f, std::string_view value) { write(f.pos, f.width, value); }
    std::string read(StateField f) const { return read(f.pos, f.width); }

    // Number fields: decimal text; a value that is not a number reads as 0.
    void writeInt(StateField f, long long value);
    long long readInt(StateField f) const;

private:
    // Three strings of 250 characters: positions 1-249, 250-499 and 500 on.
    // A write beyond the end of a string lengthens it.
    std::string& part(int pos, int& offset);
    const std::string* part(int pos, int& offset) const;
    std::string parts_[3];
};

// Single-byte flags of the program state.
enum class StateFlag {
    InProgress = 2,  // a game is in progress
    ClockRuns = 3,   // the game clock runs
    DoubleClick = 5, // a double-click move was just made
    Won = 8,         // the current game is won
    Ended = 9,       // the current game has been ended
};

class StateFlags {
public:
    bool test(StateFlag f) const { return bits_.test(static_cast<int>(f)); }
    void set(StateFlag f, bool on = true) { bits_.set(static_cast<int>(f), on); }
    void clear(StateFlag f) { set(f, false); }

private:
    std::bitset<16> bits_;
};

} // namespace vellamor
