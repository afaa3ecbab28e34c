// The sounds of the game events, synthesised as 16-bit mono WAVE files.
#pragma once

#include "render/pack.h"

#include <string_view>

namespace packgen {

inline constexpr int kSampleRate = 22050;

// RIFF/WAVE data of the named event sound; empty for an unknown name.
vellamor::render::Bytes synthesiseSound(std::string_view name);

} // namespace packgen
