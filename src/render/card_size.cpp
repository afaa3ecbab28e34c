#include "render/card_size.h"

#include "render/card_images.h"

namespace vellamor::render {

namespace {

bool isLarge(char size) { return size == 'B' || size == 'S' || size == 'X'; }

// A predefined set of the given size: set 003 for the small sizes (and on a
// display of few colours), else the default set.
void switchToPredefined(ImageChoice& choice, char size) {
    choice.cardSize = size;
    choice.cardSet = (size == 'M' || size == 'N' || choice.fewColours) ? 3 : 1;
    choice.customizedSet = choice.additionalSet = false;
    choice.customizedSetName.clear();
    choice.additionalSetName.clear();
}

} // namespace

FitResult fitCardsToScreen(ScreenFit& fit, ImageChoice& choice, int gameId, int widthClass, int screenWidth,
                           ImageHost& host) {
    FitResult result;
    result.sizeBefore = choice.cardSize;
    if (gameId != fit.game) {
        fit.game = gameId;
        fit.adjusted = false;
    }
    const int p = widthClass, w = screenWidth;
    auto sizeOrSaved = [&](char a) { return choice.cardSize == a || (fit.saved && fit.saved->cardSize == a); };

    const bool roomEnough = (p == kMediumWidth && w >= 650) || (p == kWideWidth && w >= 1100) ||
                            (p != kMediumWidth && p != kWideWidth);
    const bool tooLarge = (w < 650 && sizeOrSaved('S')) || (w < 810 && p == kMediumWidth && sizeOrSaved('S')) ||
                          (w < 810 && sizeOrSaved('X'));

    if (roomEnough && !tooLarge) {
        // The player's own set comes back.
        if (fit.saved) {
            const SavedCardSet& s = *fit.saved;
            choice.cardSize = s.cardSize;
            choice.cardSet = s.cardSet;
            choice.customizedSet = s.customizedSet;
            choice.additionalSet = s.additionalSet;
            choice.customizedSetName = s.customizedSetName;
            choice.additionalSetName = s.additionalSetName;
            host.writeSetting("Customized_Cards_Set", s.customizedSetName);
            host.writeSetting("Additional_Cards_Set", s.additionalSetName);
            host.writeSetting("Customized_Cards_Set_Old_Big", "");
            host.writeSetting("Additional_Cards_Set_Old_Big", "");
            fit.saved.reset();
        }
        result.sizeChanged = choice.cardSize != result.sizeBefore;
        return result;
    }

    // Remember the player's set before the first reduction.
    if ((isLarge(choice.cardSize) || (w < 650 && p == kWideWidth)) && !fit.saved) {
        fit.saved = SavedCardSet{choice.cardSize,    choice.cardSet,         choice.customizedSet,
                                 choice.additionalSet, choice.customizedSetName, choice.additionalSetName};
        host.writeSetting("Customized_Cards_Set_Old_Big", choice.customizedSetName);
        host.writeSetting("Additional_Cards_Set_Old_Big", choice.additionalSetName);
    } else {
        fit.adjusted = true;
    }

    const char savedSize = fit.saved ? fit.saved->cardSize : 0;
    const char size = choice.cardSize;
    char target = 0;
    SizeAdvice advice = SizeAdvice::None;
    auto largeOrExtra = [&] { return savedSize == 'S' ? SizeAdvice::Large : SizeAdvice::ExtraLarge; };
    if (p == kMediumWidth && w < 650) {
        if (size != 'M') target = 'M', advice = SizeAdvice::Medium640;
    } else if (p == kWideWidth && w < 650) {
        if (size != 'N') target = 'N';
    } else if (p == kWideWidth && w < 810) {
        if (size != 'M') target = 'M', advice = SizeAdvice::Medium800;
    } else if (p == kWideWidth && w < 1100) {
        if (size == 'S' || size == 'X') target = 'B', advice = size == 'S' ? SizeAdvice::Large : SizeAdvice::ExtraLarge;
    } else if (w < 650 && (sizeOrSaved('S') || sizeOrSaved('X'))) {
        target = 'B', advice = largeOrExtra();
    } else if (w < 810 && sizeOrSaved('X')) {
        target = p == kMediumWidth ? 'B' : 'S', advice = SizeAdvice::ExtraLarge;
    } else if (w < 810 && p == kMediumWidth && (sizeOrSaved('S') || sizeOrSaved('X'))) {
        target = 'B', advice = largeOrExtra();
    }

    if (target != 0) {
        switchToPredefined(choice, target);
        if (!fit.adjusted) {
            fit.adjusted = true;
            bool& shown = advice == SizeAdvice::Medium640 ? fit.shown640 : fit.shownOther;
            if (advice != SizeAdvice::None && !shown) {
                shown = true;
                result.advice = advice;
            }
        }
    }
    result.customizeAllowed = false;
    result.sizeChanged = choice.cardSize != result.sizeBefore;
    return result;
}

std::string sizeAdviceText(SizeAdvice advice, std::string_view gameName) {
    const std::string game(gameName);
    switch (advice) {
    case SizeAdvice::Medium640:
        return "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution "
               "should be set to 800x600 pixels or higher. However, it's possible to play " +
               game + " using a predefined cards set.";
    case SizeAdvice::Medium800:
        return "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
               "resolution should be set to 1024x768 pixels or higher. However, it's possible to play " +
               game + " using a predefined Cards set.";
    case SizeAdvice::Large:
        return "You have selected the Large size Cards Set. It's possible to play " + game +
               " using a predefined Cards Set.";
    case SizeAdvice::ExtraLarge:
        return "You have selected the Extra Large size Cards Set. It's possible to play " + game +
               " using a predefined Cards Set.";
    case SizeAdvice::None: break;
    }
    return {};
}

std::string_view sizeAdviceKey(SizeAdvice advice) {
    switch (advice) {
    case SizeAdvice::Medium640: return "Msg_Cards_Medium_640x480";
    case SizeAdvice::Medium800: return "Msg_Cards_Medium_800x600";
    case SizeAdvice::Large: return "Msg_Cards_Large";
    case SizeAdvice::ExtraLarge: return "Msg_Extra_Large_Cards";
    case SizeAdvice::None: break;
    }
    return {};
}

} // namespace vellamor::render
