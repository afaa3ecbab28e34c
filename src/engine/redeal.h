// Redeal styles: how a game whose redeal style (parameter 17) is set gathers
// cards back from the table and deals them again when the empty stock is clicked.
#pragma once

namespace vellamor {

class Engine;

// Runs the redeal style of parameter 17. The caller has pushed the undo step and
// raised the pass number. Returns false when the style did nothing, so that the
// caller takes its step back.
bool runRedealStyle(Engine& engine);

// Styles 15 and 20 do not count a pass of their own: undo leaves the pass number.
bool redealCountsPass(int style);

} // namespace vellamor
