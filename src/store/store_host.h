// How the store talks to the user. The store never shows a box itself: the
// window implements this interface, tests record what was asked.
#pragma once

#include <string_view>

namespace vellamor::store {

// What the user did in an advice box with OK (and maybe Cancel).
struct AdviceAnswer {
    bool ok = false;     // closed with OK (false: Cancel or the close box)
    bool ticked = false; // "&Don't show this message box again" was ticked
};

class StoreHost {
public:
    virtual ~StoreHost() = default;

    // An information box with one OK button; returns when it is closed.
    virtual void message(std::string_view text) = 0;
    // The advice box with the given picture page (0 "Color", 1 "640x480");
    // returns whether its check box was ticked when it closed.
    virtual bool showAdvice(std::string_view text, int page) = 0;
    // The advice box with OK and Cancel; without Cancel only a centred OK shows.
    virtual AdviceAnswer askAdvice(std::string_view text, bool withCancel) = 0;
    // A long operation starts (true) or ends (false): hourglass pointer.
    virtual void busy(bool on) = 0;
};

} // namespace vellamor::store
