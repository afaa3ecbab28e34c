// The image packs as the program uses them: the main pack opened once, the
// extra-size and add-on packs opened at each lookup, the pack index files, and
// decoding of the stored pictures into QImages.
#pragma once

#include "render/pack.h"

#include <QImage>

#include <optional>
#include <string>
#include <string_view>

namespace vellamor::render {

// How the image code talks to the program around it: information boxes, the
// settings file (section Preference) and the random-choice marker.
class ImageHost {
public:
    virtual ~ImageHost() = default;
    virtual void message(std::string_view text) = 0;
    virtual void writeSetting(std::string_view key, std::string_view value) = 0;
    // Deletes Rnd_read.dat, so the random-choice lists are rebuilt.
    virtual void forgetRandomLists() {}
};

struct CursorImage {
    QImage image;
    int hotX = 0, hotY = 0;
};

class ImagePacks {
public:
    // Opens SOL.RGF in the program folder. When that fails the message
    // "Can't find/load " + the pack's full path in lower case is given and
    // nullopt returned: the program cannot go on.
    static std::optional<ImagePacks> open(const std::string& programFolder, ImageHost& host);

    const std::string& programFolder() const { return folder_; }
    // Path of a file relative to the program folder ("plus/soladd.rgf").
    std::string path(std::string_view relative) const;

    // A named bitmap; names of size X are looked up in the extra-size pack.
    bool loadBitmap(QImage& out, std::string_view name) const;
    // A BITMAP or a JPEG RCDATA resource of an add-on pack (path relative to the program folder).
    bool loadAddonBitmap(QImage& out, std::string_view name, std::string_view pack) const;
    bool loadAddonJpeg(QImage& out, std::string_view name, std::string_view pack) const;
    std::optional<Bytes> wave(std::string_view name) const;
    std::optional<CursorImage> cursor(std::string_view name) const;
    // True when the extra-size pack opens.
    bool extraPackOpens() const;

    // Translations through plus/c01.dat, d01.dat, b01.dat; kind "Cards", "Decks"
    // or "Backgrounds" (any case). An unknown kind gives the message
    // "File not found:"; a missing file an empty result.
    std::string resourceOfDisplayName(std::string_view display, std::string_view kind,
                                      ImageHost& host) const;
    std::string displayOfResourceName(std::string_view resource, std::string_view kind,
                                      ImageHost& host) const;

    const Pack& mainPack() const { return main_; }

private:
    ImagePacks(std::string folder, Pack main) : folder_(std::move(folder)), main_(std::move(main)) {}
    std::string indexFile(std::string_view kind, ImageHost& host) const;
    std::string folder_;
    Pack main_;
};

// Decodes PNG (or BMP) data; a null image when the data is not a picture.
QImage decodeBitmap(const Bytes& data);
// A JPEG stream decoded by libjpeg into an RGB32 image; null when damaged.
QImage decodeJpegImage(const Bytes& data);
// A picture file: JPEG by its name (".jpg", ".jpe", ".jpeg"), else any bitmap format.
QImage loadPictureFile(const std::string& path);

} // namespace vellamor::render
