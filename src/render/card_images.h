// The face table and the other card pictures of the current card set, and how
// they are loaded: predefined sets, own .crs sets, additional sets, the one-
// and two-suit face styles, backs and pile marks. Table backgrounds too.
#pragma once

#include "render/image_packs.h"
#include "render/resource_names.h"

#include <QImage>

#include <array>
#include <map>
#include <string>

namespace vellamor::render {

// The card-image settings in force (settings file values and state flags).
struct ImageChoice {
    char cardSize = 'B';           // Card_Size
    int cardSet = 1;               // Card
    bool customizedSet = false;    // a .crs of the player's is in use
    bool additionalSet = false;    // a set of the add-on card pack is in use
    std::string customizedSetName; // Customized_Cards_Set
    std::string additionalSetName; // Additional_Cards_Set
    int back = kDefaultBack;       // Back_Card
    std::string customizedDeck;    // Customized_Deck
    std::string additionalDeck;    // Additional_Deck
    int faceStyle = 0;             // the game's suit style: 1 one suit, 2 two suits
    bool fewColours = false;       // a display of 256 colours or fewer
    int screenWidth = 1920;
    std::string dataFolder;        // ends in '/'
};

// The pictures every drawing step uses; all of the current card size, with
// transparent corners (three pixels each on cards 50 wide or more, else one).
struct CardImages {
    CardSize size;
    std::array<QImage, 53> faces; // 0-51 the deck in card-code order, 52 the joker
    QImage back, joker;
    std::array<QImage, 2> shadows; // white is transparent
    std::array<QImage, 2> borders; // pure blue is transparent
    QImage mark009;                // the empty-position mark the tableau draws often
    QImage scratch;                // each other pile mark is loaded here before it is drawn
    QImage dragged;                // copy of the first face, for the card in hand

    // Face entry of a card code: jokers 52, every deck onto 0-51; -1 for a hole.
    static int faceIndex(int code);
};

// Makes a loaded picture ready for drawing: premultiplied alpha, white (or the
// given key colour) transparent when the picture has no alpha of its own.
QImage keyed(const QImage& img, QRgb key);
// Clears the corner pixels of a card picture (three per corner from 50 pixels wide, else one).
void roundCorners(QImage& card);

class CardImageLoader {
public:
    CardImageLoader(const ImagePacks& packs, ImageHost& host) : packs_(packs), host_(host) {}

    // Loads the set named by the choice (falling back as the failures require,
    // which may change the choice and the settings). False only when not even
    // the default set could be loaded.
    bool loadCardImages(CardImages& images, ImageChoice& choice, bool facesOnly = false);
    void loadBack(CardImages& images, ImageChoice& choice);
    // Resolves and loads a pile mark into `out` at the current size; an unknown
    // name gives the message "Error: " + name.
    bool loadPileMark(QImage& out, std::string_view markName, const CardImages& images,
                      const ImageChoice& choice);
    bool loadMarkResource(QImage& out, const std::string& resource, const CardImages& images);
    // When the card set number is 4 and "CB004H" is missing, the set becomes 1.
    void checkSet004(ImageChoice& choice);
    // The image file of a card set recognised by its pixel size (or its failure message).
    struct Recognised {
        QImage image;
        char size = 0;
    };
    std::optional<Recognised> recogniseSet(const ImageChoice& choice, bool report);

private:
    void defaultSet(ImageChoice& choice);
    bool loadPredefinedFaces(CardImages& images, const ImageChoice& choice);

    const ImagePacks& packs_;
    ImageHost& host_;
};

// ---- backgrounds -----------------------------------------------------------

struct BackgroundChoice {
    bool useDefault = true;          // Background_def
    bool fade = false;               // Fade_Background
    std::string customized;          // Customized_Background (a path, or a name in the data folder)
    std::string additional;          // Additional_Background
    int picture = 0;                 // Background_bmp
    long fixedColour = 0, colour = 0; // Background_Fixed_Col, Background_Col (platform order 0xBBGGRR)
    bool fewColours = false;
    std::string dataFolder;
};

// The default green, 32768 in the platform's colour order.
inline constexpr long kDefaultGreen = 32768;
QColor platformColour(long value);

// Paints the background bitmap (w × h; `fadeExtra` rows more for the fade when
// the vertical scroll bar shows). Failures fall back to the default as the
// messages say, writing the settings through the host.
void paintBackground(QImage& target, BackgroundChoice& choice, const ImagePacks& packs,
                     ImageHost& host, int fadeExtra = 0);
// The 256-band fade from the colour at the top to black at the bottom.
void paintFade(QImage& target, QColor colour, int height);
// Repeats the picture along the top edge, then copies that strip down.
void paintTiled(QImage& target, const QImage& tile);

} // namespace vellamor::render

namespace vellamor::render {

// Pile marks loaded once per name and size (the drawing asks for them often).
class MarkCache {
public:
    MarkCache(CardImageLoader& loader, const CardImages& images, const ImageChoice& choice)
        : loader_(loader), images_(images), choice_(choice) {}
    const QImage* operator()(std::string_view markName);
    void clear() { marks_.clear(); }

private:
    CardImageLoader& loader_;
    const CardImages& images_;
    const ImageChoice& choice_;
    std::map<std::string, QImage> marks_;
    char size_ = 0;
};

} // namespace vellamor::render
