#include "render/card_images.h"

#include <QPainter>

#include <filesystem>

namespace vellamor::render {

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

QImage scaledTo(const QImage& img, const CardSize& s) {
    if (img.width() == s.width && img.height() == s.height) return img;
    return img.scaled(s.width, s.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Cuts a 5 × rows grid of cells; cell (col, row) is one card.
QImage cell(const QImage& grid, const CardSize& s, int col, int row) {
    return grid.copy(col * s.width, row * s.height, s.width, s.height);
}

} // namespace

int CardImages::faceIndex(int code) {
    if (code <= 0 || code > 212) return -1;
    if (code > 208) return 52;
    return (code - 1) % 52;
}

QImage keyed(const QImage& img, QRgb key) {
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    if (!img.hasAlphaChannel()) {
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if ((row[x] & 0xffffff) == (key & 0xffffff)) row[x] = 0;
        }
    } else {
        // Pictures with alpha: their key-coloured pixels are transparent already or meant to be.
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if (row[x] == (key | 0xff000000u)) row[x] = 0;
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void roundCorners(QImage& card) {
    if (card.isNull()) return;
    if (card.format() != QImage::Format_ARGB32_Premultiplied)
        card = card.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = card.width(), h = card.height();
    const bool big = w >= 50;
    auto clear = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h) card.setPixel(x, y, 0);
    };
    const int xs[2] = {0, w - 1}, ys[2] = {0, h - 1};
    for (int cx = 0; cx < 2; ++cx)
        for (int cy = 0; cy < 2; ++cy) {
            clear(xs[cx], ys[cy]);
            if (big) {
                clear(xs[cx] + (cx ? -1 : 1), ys[cy]);
                clear(xs[cx], ys[cy] + (cy ? -1 : 1));
            }
        }
}

void CardImageLoader::defaultSet(ImageChoice& choice) {
    choice.customizedSet = choice.additionalSet = false;
    if (choice.screenWidth >= 650) {
        choice.cardSize = 'B';
        choice.cardSet = choice.fewColours ? 3 : 1;
    } else {
        choice.cardSize = 'M';
        choice.cardSet = 3;
    }
    choice.customizedSetName.clear();
    choice.additionalSetName.clear();
    host_.writeSetting("Card", threeDigits(choice.cardSet));
    host_.writeSetting("Card_Size", std::string(1, choice.cardSize));
    host_.writeSetting("Customized_Cards_Set", "");
    host_.writeSetting("Additional_Cards_Set", "");
}

std::optional<CardImageLoader::Recognised> CardImageLoader::recogniseSet(const ImageChoice& choice,
                                                                         bool report) {
    Recognised r;
    if (choice.additionalSet) {
        if (!packs_.loadAddonBitmap(r.image, choice.additionalSetName, kCardPack)) {
            if (report) {
                host_.message("Error loading the Card Set: " + choice.additionalSetName +
                              "\rPlease install again Vellamor Plus!");
                host_.forgetRandomLists();
            }
            return std::nullopt;
        }
    } else {
        const std::string path = choice.dataFolder + "custom card sets/" + choice.customizedSetName + ".crs";
        if (!fileExists(path)) {
            if (report) host_.message("Customized cards set image not found: " + path);
            return std::nullopt;
        }
        r.image = loadPictureFile(path);
        if (r.image.isNull()) {
            if (report) host_.message("Image is not valid: " + path);
            return std::nullopt;
        }
        const auto size = sizeOfCustomSetImage(r.image.width(), r.image.height());
        if (!size) {
            if (report) host_.message("The format of the Customized card set image is not valid.\r" + path);
            return std::nullopt;
        }
    }
    const auto size = sizeOfCustomSetImage(r.image.width(), r.image.height());
    if (!size) {
        if (report)
            host_.message("Error loading the Card Set: " + choice.additionalSetName +
                          "\rPlease install again Vellamor Plus!");
        return std::nullopt;
    }
    r.size = *size;
    return r;
}

void CardImageLoader::checkSet004(ImageChoice& choice) {
    QImage probe;
    if (choice.cardSet == 4 && !packs_.loadBitmap(probe, "CB004H")) choice.cardSet = 1;
}

bool CardImageLoader::loadPredefinedFaces(CardImages& images, const ImageChoice& choice) {
    for (int suit = 0; suit < 4; ++suit) {
        QImage strip;
        if (!packs_.loadBitmap(strip, faceStripName(choice.cardSize, choice.cardSet, suit)) ||
            strip.width() < images.size.width * 5 || strip.height() < images.size.height * 3)
            return false;
        for (int rank = 1; rank <= 13; ++rank) {
            QImage face = keyed(cell(strip, images.size, (rank - 1) % 5, (rank - 1) / 5), qRgba(0, 0, 0, 0));
            roundCorners(face);
            images.faces[std::size_t(suit * 13 + rank - 1)] = face;
        }
    }
    return true;
}

bool CardImageLoader::loadCardImages(CardImages& images, ImageChoice& choice, bool facesOnly) {
    // Legacy names of sets that now live in the add-on card pack.
    if (!choice.additionalSet && choice.customizedSet) {
        const std::string& n = choice.customizedSetName;
        if ((n == "Children's Card Set" || n == "Small (16 colors)" || n == "Traditional English Playing Cards") &&
            !fileExists(choice.dataFolder + "custom card sets/" + n + ".crs")) {
            const std::string res = packs_.resourceOfDisplayName(n, "Cards", host_);
            if (!res.empty()) {
                choice.additionalSet = true;
                choice.customizedSet = false;
                choice.additionalSetName = res;
                choice.customizedSetName.clear();
                host_.writeSetting("Additional_Cards_Set", res);
                host_.writeSetting("Customized_Cards_Set", "");
            }
        }
    }
    std::optional<Recognised> own;
    if (choice.customizedSet || choice.additionalSet) {
        own = recogniseSet(choice, true);
        if (own) choice.cardSize = own->size;
        else defaultSet(choice);
    }
    // Size X needs the extra-size pack; without it the default choice is taken.
    if (choice.cardSize == 'X' && !packs_.extraPackOpens()) {
        host_.message("Can't find/load " + packs_.path(kExtraPack));
        own.reset();
        defaultSet(choice);
        choice.customizedDeck.clear();
        choice.additionalDeck.clear();
        host_.writeSetting("Customized_Deck", "");
        host_.writeSetting("Additional_Deck", "");
    }
    if (!cardSizeClass(choice.cardSize)) choice.cardSize = images.size.letter;
    images.size = cardSizeOfLetter(choice.cardSize);

    if (own) {
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank) {
                QImage face = cell(own->image, images.size, (rank - 1) % 5, suit * 3 + (rank - 1) / 5)
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                roundCorners(face);
                images.faces[std::size_t(suit * 13 + rank - 1)] = face;
            }
    } else if (!loadPredefinedFaces(images, choice)) {
        defaultSet(choice);
        images.size = cardSizeOfLetter(choice.cardSize);
        if (!loadPredefinedFaces(images, choice)) return false;
    }
    // One-suit games show spades only; two-suit games hearts for the reds, spades for the blacks.
    if (choice.faceStyle == 1) {
        for (int s = 0; s < 3; ++s)
            for (int r = 0; r < 13; ++r) images.faces[std::size_t(s * 13 + r)] = images.faces[std::size_t(39 + r)];
    } else if (choice.faceStyle == 2) {
        for (int r = 0; r < 13; ++r) {
            images.faces[std::size_t(13 + r)] = images.faces[std::size_t(r)];
            images.faces[std::size_t(26 + r)] = images.faces[std::size_t(39 + r)];
        }
    }
    const std::string sz(1, images.size.letter);
    if (!facesOnly) {
        QImage img;
        if (packs_.loadBitmap(img, "W" + sz + "009")) images.mark009 = keyed(scaledTo(img, images.size), 0);
        loadBack(images, choice);
        for (int i = 0; i < 2; ++i) {
            if (packs_.loadBitmap(img, "SHADOW_" + sz + char('1' + i))) images.shadows[std::size_t(i)] = keyed(img, qRgb(255, 255, 255));
            if (packs_.loadBitmap(img, "3D_BORDER_" + sz + char('1' + i))) images.borders[std::size_t(i)] = keyed(img, qRgb(0, 0, 255));
        }
    }
    QImage joker;
    if (packs_.loadBitmap(joker, "JOKER_" + sz)) {
        images.joker = keyed(scaledTo(joker, images.size), 0);
        roundCorners(images.joker);
    }
    images.faces[52] = images.joker;
    images.dragged = images.faces[0];
    return true;
}

void CardImageLoader::loadBack(CardImages& images, ImageChoice& choice) {
    QImage img;
    const CardSize& s = images.size;
    bool done = false;
    if (!choice.customizedDeck.empty()) {
        const std::string path = choice.dataFolder + "custom decks/" + choice.customizedDeck + ".bmp";
        if (!fileExists(path)) host_.message("Customized deck image not found: " + path);
        else if ((img = loadPictureFile(path)).isNull()) host_.message("Image is not valid: " + path);
        else done = true;
        if (!done) {
            choice.customizedDeck.clear();
            choice.additionalDeck.clear();
            choice.back = kDefaultBack;
            host_.writeSetting("Customized_Deck", "");
            host_.writeSetting("Additional_Deck", "");
        }
    } else if (!choice.additionalDeck.empty()) {
        done = packs_.loadAddonBitmap(img, choice.additionalDeck, kDeckPack);
        if (!done) {
            host_.message("Error loading the Deck: " + choice.additionalDeck + "\rPlease install again Vellamor Plus!");
            host_.forgetRandomLists();
            choice.additionalDeck.clear();
            choice.back = kDefaultBack;
            host_.writeSetting("Additional_Deck", "");
        }
    }
    if (!done && s.letter != 'B' && choice.back != kDefaultBack)
        done = packs_.loadBitmap(img, backName('B', choice.back));
    if (!done) done = packs_.loadBitmap(img, backName(s.letter, choice.back));
    if (!done) done = packs_.loadBitmap(img, backName(s.letter, kDefaultBack));
    if (!done) {
        images.back = QImage();
        return;
    }
    img = scaledTo(img.hasAlphaChannel() ? img : img.convertToFormat(QImage::Format_RGB32), s)
              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Stretched to the extra-large size, a white-cornered back gets its round corners back.
    if (s.letter == 'X' && img.pixel(3, 1) == qRgb(255, 255, 255)) {
        const int w = s.width, h = s.height;
        const int pts[3][2] = {{2, 1}, {2, 2}, {1, 2}};
        for (const auto& p : pts) {
            img.setPixel(p[0], p[1], qRgb(255, 255, 255));
            img.setPixel(w - 1 - p[0], p[1], qRgb(255, 255, 255));
            img.setPixel(p[0], h - 1 - p[1], qRgb(255, 255, 255));
            img.setPixel(w - 1 - p[0], h - 1 - p[1], qRgb(255, 255, 255));
        }
    }
    roundCorners(img);
    images.back = img;
}

bool CardImageLoader::loadMarkResource(QImage& out, const std::string& resource, const CardImages& images) {
    QImage img;
    if (!packs_.loadBitmap(img, resource)) return false;
    out = keyed(scaledTo(img, images.size), 0);
    return true;
}

bool CardImageLoader::loadPileMark(QImage& out, std::string_view markName, const CardImages& images,
                                   const ImageChoice& choice) {
    const auto name = markResource(markName, images.size.letter, choice.back);
    if (!name) {
        host_.message("Error: " + std::string(markName));
        return false;
    }
    return loadMarkResource(out, *name, images);
}

// ---- backgrounds -----------------------------------------------------------

QColor platformColour(long v) { return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff)); }

void paintFade(QImage& target, QColor colour, int height) {
    QPainter p(&target);
    const int bottom = height;
    const int r = colour.red(), g = colour.green(), b = colour.blue();
    for (int i = 0; i < 256; ++i) {
        const int top = i == 255 ? 0 : bottom - (i + 1) * height / 256;
        const int low = bottom - i * height / 256;
        if (low <= top) continue;
        p.fillRect(0, top, target.width(), low - top, QColor(r * i / 256, g * i / 256, b * i / 256));
    }
}

void paintTiled(QImage& target, const QImage& tile) {
    if (tile.isNull() || target.isNull()) return;
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int x = 0; x < target.width(); x += tile.width()) p.drawImage(x, 0, tile);
    const int strip = std::min(tile.height(), target.height());
    const QImage row = target.copy(0, 0, target.width(), strip);
    for (int y = strip; y < target.height(); y += strip) p.drawImage(0, y, row);
}

void paintBackground(QImage& target, BackgroundChoice& c, const ImagePacks& packs, ImageHost& host,
                     int fadeExtra) {
    auto toDefault = [&] {
        c.useDefault = true;
        c.fade = true;
        c.customized.clear();
        c.additional.clear();
        host.writeSetting("Background_def", "Y");
        host.writeSetting("Fade_Background", "Y");
        host.writeSetting("Customized_Background", "");
        host.writeSetting("Additional_Background", "");
    };
    auto plain = [&](QColor colour) {
        if (c.fade && !c.fewColours) {
            target.fill(Qt::black);
            paintFade(target, colour, target.height() + fadeExtra);
        } else {
            target.fill(colour);
        }
    };
    if (!c.useDefault && !c.customized.empty()) {
        std::string path = c.customized;
        if (path.find('/') == std::string::npos) path = c.dataFolder + path + ".bmp";
        QImage img;
        if (!std::filesystem::exists(path)) host.message("Customized background image not found: " + path);
        else if ((img = loadPictureFile(path)).isNull()) host.message("Image is not valid: " + path);
        if (!img.isNull()) return paintTiled(target, img);
        toDefault();
    } else if (!c.useDefault && !c.additional.empty()) {
        QImage img;
        if (packs.loadAddonJpeg(img, c.additional, kBackgroundPack)) return paintTiled(target, img);
        host.message("Error loading the Background: " + c.additional + "\rPlease install again Vellamor Plus!");
        host.forgetRandomLists();
        toDefault();
    } else if (!c.useDefault && c.picture != 0) {
        QImage img;
        if (packs.loadBitmap(img, "B" + std::to_string(c.picture))) {
            if (c.picture <= 499) return paintTiled(target, img);
            target.fill(platformColour(kDefaultGreen));
            QPainter(&target).drawImage(0, 0, img);
            return;
        }
    } else if (!c.useDefault) {
        return plain(platformColour(c.fixedColour > 0 ? c.fixedColour : c.colour));
    }
    plain(platformColour(kDefaultGreen));
}

} // namespace vellamor::render

namespace vellamor::render {

const QImage* MarkCache::operator()(std::string_view markName) {
    if (size_ != images_.size.letter) marks_.clear(), size_ = images_.size.letter;
    const std::string key = lowerName(markName) + "/" + std::to_string(choice_.back);
    auto it = marks_.find(key);
    if (it == marks_.end()) {
        QImage img;
        // "SpecialStock": the stock mark of the families that deal in their own way.
        if (key.rfind("specialstock/", 0) == 0)
            loader_.loadMarkResource(img, std::string("W") + images_.size.letter + "021", images_);
        else
            loader_.loadPileMark(img, markName, images_, choice_);
        it = marks_.emplace(key, img).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

} // namespace vellamor::render
