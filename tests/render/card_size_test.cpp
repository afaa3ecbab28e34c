// Fitting the card size to the screen: which size a game gets on which screen,
// the advice offered once, and the player's own set coming back.
#include "render/card_size.h"

#include "render/card_images.h"

#include <gtest/gtest.h>

#include <map>

using namespace vellamor::render;

namespace {

struct SettingsHost final : ImageHost {
    std::map<std::string, std::string> written;
    void message(std::string_view) override {}
    void writeSetting(std::string_view k, std::string_view v) override { written[std::string(k)] = v; }
};

ImageChoice chosen(char size) {
    ImageChoice c;
    c.cardSize = size;
    c.cardSet = size == 'M' || size == 'N' ? 3 : 1;
    return c;
}

} // namespace

TEST(CardSizeFit, SizeAndAdviceByScreenAndWidthClass) {
    struct Case {
        int p, w;
        char before, after;
        SizeAdvice advice;
    };
    const Case cases[] = {
        {1, 640, 'B', 'M', SizeAdvice::Medium640},   // Klondike on 640 × 480
        {2, 640, 'B', 'N', SizeAdvice::None},        // Spider on 640 × 480
        {2, 640, 'M', 'N', SizeAdvice::None},
        {2, 800, 'B', 'M', SizeAdvice::Medium800},
        {2, 1024, 'S', 'B', SizeAdvice::Large},
        {2, 1024, 'X', 'B', SizeAdvice::ExtraLarge},
        {2, 1024, 'B', 'B', SizeAdvice::None},
        {1, 800, 'X', 'B', SizeAdvice::ExtraLarge},
        {0, 800, 'X', 'S', SizeAdvice::ExtraLarge},  // no width class: one step down only
        {1, 800, 'S', 'B', SizeAdvice::Large},
        {0, 640, 'S', 'B', SizeAdvice::Large},
        {0, 800, 'S', 'S', SizeAdvice::None},
        {1, 1024, 'B', 'B', SizeAdvice::None},
        {2, 1280, 'X', 'X', SizeAdvice::None},
        {1, 640, 'N', 'M', SizeAdvice::None},       // not kept aside: no advice
    };
    for (const Case& c : cases) {
        ScreenFit fit;
        SettingsHost host;
        ImageChoice choice = chosen(c.before);
        const FitResult r = fitCardsToScreen(fit, choice, 7, c.p, c.w, host);
        const auto where = ::testing::Message() << "p=" << c.p << " w=" << c.w << " " << c.before;
        EXPECT_EQ(choice.cardSize, c.after) << where;
        EXPECT_EQ(r.sizeChanged, c.after != c.before) << where;
        EXPECT_EQ(r.advice, c.advice) << where;
        if (c.after != c.before) {
            EXPECT_EQ(choice.cardSet, c.after == 'M' || c.after == 'N' ? 3 : 1) << where;
        }
    }
}

TEST(CardSizeFit, ExtraLargeComesBackAtTheNextGameWithRoom) {
    ScreenFit fit;
    SettingsHost host;
    ImageChoice choice = chosen('X');
    choice.cardSet = 2;

    FitResult r = fitCardsToScreen(fit, choice, 18, 2, 1024, host); // a wide game
    EXPECT_EQ(choice.cardSize, 'B');
    EXPECT_EQ(r.advice, SizeAdvice::ExtraLarge);
    EXPECT_FALSE(r.customizeAllowed);

    r = fitCardsToScreen(fit, choice, 18, 2, 1024, host); // the next deal of the same game
    EXPECT_EQ(choice.cardSize, 'B');
    EXPECT_EQ(r.advice, SizeAdvice::None);
    EXPECT_FALSE(r.sizeChanged);

    r = fitCardsToScreen(fit, choice, 19, 2, 1024, host); // another wide game: no second advice
    EXPECT_EQ(choice.cardSize, 'B');
    EXPECT_EQ(r.advice, SizeAdvice::None);

    r = fitCardsToScreen(fit, choice, 0, 1, 1024, host); // a medium game has room for X
    EXPECT_EQ(choice.cardSize, 'X');
    EXPECT_EQ(choice.cardSet, 2);
    EXPECT_TRUE(r.sizeChanged);
    EXPECT_TRUE(r.customizeAllowed);
    EXPECT_FALSE(fit.saved);
}

TEST(CardSizeFit, OwnSetIsKeptAsideAndPutBack) {
    ScreenFit fit;
    SettingsHost host;
    ImageChoice choice = chosen('B');
    choice.customizedSet = true;
    choice.customizedSetName = "Mine";

    fitCardsToScreen(fit, choice, 0, 1, 640, host);
    EXPECT_EQ(choice.cardSize, 'M');
    EXPECT_FALSE(choice.customizedSet); // a predefined set of the small size
    EXPECT_EQ(choice.cardSet, 3);
    EXPECT_EQ(host.written["Customized_Cards_Set_Old_Big"], "Mine");
    // The player's own choice stays in the settings file: leaving the program
    // while the cards are smaller loses nothing.
    EXPECT_EQ(host.written.count("Customized_Cards_Set"), 0u);

    // The 640 advice once per run, even for another game that needs it.
    EXPECT_EQ(fitCardsToScreen(fit, choice, 1, 1, 640, host).advice, SizeAdvice::None);

    // The screen grew (a window moved to another screen): the own set returns.
    fitCardsToScreen(fit, choice, 2, 1, 1280, host);
    EXPECT_EQ(choice.cardSize, 'B');
    EXPECT_TRUE(choice.customizedSet);
    EXPECT_EQ(choice.customizedSetName, "Mine");
    EXPECT_EQ(host.written["Customized_Cards_Set"], "Mine");
    EXPECT_EQ(host.written["Customized_Cards_Set_Old_Big"], "");
}

TEST(CardSizeFit, AdviceTextsAndKeys) {
    EXPECT_EQ(sizeAdviceText(SizeAdvice::Large, "Spider"),
              "You have selected the Large size Cards Set. It's possible to play Spider using a predefined Cards Set.");
    EXPECT_NE(sizeAdviceText(SizeAdvice::Medium640, "Klondike").find("play Klondike using a predefined cards set."),
              std::string::npos);
    EXPECT_EQ(sizeAdviceKey(SizeAdvice::Medium640), "Msg_Cards_Medium_640x480");
    EXPECT_EQ(sizeAdviceKey(SizeAdvice::Medium800), "Msg_Cards_Medium_800x600");
    EXPECT_EQ(sizeAdviceKey(SizeAdvice::Large), "Msg_Cards_Large");
    EXPECT_EQ(sizeAdviceKey(SizeAdvice::ExtraLarge), "Msg_Extra_Large_Cards");
    EXPECT_TRUE(sizeAdviceText(SizeAdvice::None, "x").empty());
}
