#include "options/options_record.h"

#include <algorithm>

namespace tavlo {

namespace {

// Offsets of the fields in the stored record.
constexpr std::size_t UserSeatsAt = 68, FaceUpSeatsAt = 72, SkillLevelAt = 80,
                      CardBackDesignAt = 81, LanguageAt = 82, SuitOrderAt = 83,
                      BiddingSystemAt = 85, PlayerNameAt = 86, CardBackColourAt = 132,
                      ColourSchemeAt = 136, DarkCardsAt = 172, OptionsMagicAt = 248;

std::uint32_t ReadWord(const OptionsImage& image, std::size_t at) {
  return static_cast<std::uint32_t>(image[at]) | static_cast<std::uint32_t>(image[at + 1]) << 8 |
         static_cast<std::uint32_t>(image[at + 2]) << 16 |
         static_cast<std::uint32_t>(image[at + 3]) << 24;
}

void WriteWord(OptionsImage& image, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Reads one UTF-8 character from text at pos (advancing pos); malformed
// bytes count as one character each and read as '?'.
char32_t NextCodePoint(const std::string& text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0) return U'?';
  char32_t value = lead & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return U'?';
    value = value << 6 | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  return value;
}

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else {
    text += static_cast<char>(0xC0 | code >> 6);
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

void SetLightColourScheme(OptionsRecord& options) { options.ColourScheme = LightColourScheme; }

void ApplyDefaults(OptionsRecord& options) {
  options.SkillLevel = 4;
  options.CardBackDesign = 13;
  options.BiddingSystem = 0;
  options.PlayerName.clear();
  options.Language = 0;
  options.DarkCards = 0;
  options.CardBackColour = DefaultCardBackColour;
  options.OptionsMagic = OptionsCheckValue;
  SetLightColourScheme(options);
}

std::string CutPlayerName(const std::string& name) {
  std::size_t pos = 0;
  for (std::size_t count = 0; pos < name.size() && count < PlayerNameLimit; ++count) {
    NextCodePoint(name, pos);
  }
  return name.substr(0, pos);
}

OptionsImage EncodeOptions(const OptionsRecord& options) {
  OptionsImage image = options.Image;
  WriteWord(image, UserSeatsAt, static_cast<std::uint32_t>(options.UserSeats));
  WriteWord(image, FaceUpSeatsAt, static_cast<std::uint32_t>(options.FaceUpSeats));
  image[SkillLevelAt] = options.SkillLevel;
  image[CardBackDesignAt] = options.CardBackDesign;
  image[LanguageAt] = options.Language;
  image[SuitOrderAt] = options.SuitOrderOption;
  image[BiddingSystemAt] = options.BiddingSystem;

  // A short string of Latin-1 characters, the character set of the names of
  // every language the program speaks; other characters are stored as '?'.
  std::size_t length = 0, pos = 0;
  while (pos < options.PlayerName.size() && length < PlayerNameLimit) {
    const char32_t code = NextCodePoint(options.PlayerName, pos);
    image[PlayerNameAt + 1 + length++] = static_cast<std::uint8_t>(code <= 0xFF ? code : U'?');
  }
  std::fill(image.begin() + PlayerNameAt + 1 + length,
            image.begin() + PlayerNameAt + 1 + PlayerNameLimit, 0);
  image[PlayerNameAt] = static_cast<std::uint8_t>(length);

  WriteWord(image, CardBackColourAt, options.CardBackColour);
  for (std::size_t i = 0; i < options.ColourScheme.size(); ++i) {
    WriteWord(image, ColourSchemeAt + 4 * i, options.ColourScheme[i]);
  }
  image[DarkCardsAt] = options.DarkCards;
  WriteWord(image, OptionsMagicAt, static_cast<std::uint32_t>(options.OptionsMagic));
  return image;
}

OptionsRecord DecodeOptions(const OptionsImage& image) {
  OptionsRecord options;
  options.Image = image;
  options.UserSeats = static_cast<std::int32_t>(ReadWord(image, UserSeatsAt));
  options.FaceUpSeats = static_cast<std::int32_t>(ReadWord(image, FaceUpSeatsAt));
  options.SkillLevel = image[SkillLevelAt];
  options.CardBackDesign = image[CardBackDesignAt];
  options.Language = image[LanguageAt];
  options.SuitOrderOption = image[SuitOrderAt];
  options.BiddingSystem = image[BiddingSystemAt];
  // A length byte beyond the field (a damaged file) reads as a full field.
  const std::size_t length = std::min<std::size_t>(image[PlayerNameAt], PlayerNameLimit);
  for (std::size_t i = 0; i < length; ++i) {
    AppendUtf8(options.PlayerName, image[PlayerNameAt + 1 + i]);
  }
  options.CardBackColour = ReadWord(image, CardBackColourAt);
  for (std::size_t i = 0; i < options.ColourScheme.size(); ++i) {
    options.ColourScheme[i] = ReadWord(image, ColourSchemeAt + 4 * i);
  }
  options.DarkCards = image[DarkCardsAt];
  options.OptionsMagic = static_cast<std::int32_t>(ReadWord(image, OptionsMagicAt));
  return options;
}

}  // namespace tavlo
