#pragma once
// The user's options: one binary record of 252 bytes kept in "Options.DAT"
// beside the program, carried from one run to the next. The record layout is
// fixed by the files users already have, so every field keeps its offset and
// the bytes between the fields are carried through unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/codes.h"

namespace tavlo {

inline constexpr std::size_t OptionsRecordSize = 252;
inline constexpr std::int32_t OptionsCheckValue = 70342;
inline constexpr std::size_t PlayerNameLimit = 26;

// Default colours of the table: window background and three accents.
using ColourSchemeColours = std::array<Colour, 4>;
inline constexpr ColourSchemeColours LightColourScheme{0x00C0C0C0, 0x00808000, 0x00F0CAA6,
                                                       0x00800000};
inline constexpr ColourSchemeColours DarkColourScheme{0x02A4A4A4, 0x02808040, 0x02C0C0C0,
                                                      0x02804000};
inline constexpr Colour DefaultCardBackColour = 0x02804000;
// South alone: the seat masks hold bit (seat + 1).
inline constexpr std::int32_t SouthOnly = 8;

using OptionsImage = std::array<std::uint8_t, OptionsRecordSize>;

struct OptionsRecord {
  std::int32_t UserSeats = 0;
  std::int32_t FaceUpSeats = 0;
  std::uint8_t SkillLevel = 0;
  std::uint8_t CardBackDesign = 0;
  std::uint8_t Language = 0;
  std::uint8_t SuitOrderOption = 0;
  std::uint8_t BiddingSystem = 0;
  std::string PlayerName;  // UTF-8; stored as at most 26 Latin-1 characters
  Colour CardBackColour = 0;
  ColourSchemeColours ColourScheme{};
  std::uint8_t DarkCards = 0;
  std::int32_t OptionsMagic = 0;
  // The record as last read, so that the bytes no field covers go back to
  // the file as they came.
  OptionsImage Image{};
};

// The fields that have a default get it; everything else stays as it is.
void ApplyDefaults(OptionsRecord& options);
void SetLightColourScheme(OptionsRecord& options);

OptionsImage EncodeOptions(const OptionsRecord& options);
OptionsRecord DecodeOptions(const OptionsImage& image);

// The player name cut to its 26 characters, as the record can hold it.
std::string CutPlayerName(const std::string& name);

}  // namespace tavlo
