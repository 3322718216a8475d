#include "handfile/claim_note.h"

#include <sstream>

namespace tavlo {

std::string ClaimNoteText(const ClaimNote& note) {
  return std::to_string(note.CardsPlayed) + " " + std::string(SeatLetters[note.Claimer & 3]) + " " +
         std::to_string(note.Tricks);
}

std::optional<ClaimNote> ParseClaimNote(std::string_view text) {
  std::istringstream words{std::string(text)};
  int cards = -1;
  std::string seat;
  int tricks = -1;
  std::string more;
  if (!(words >> cards >> seat >> tricks) || words >> more) return std::nullopt;
  if (cards < 0 || cards > 51 || seat.size() != 1 ||
      std::string_view("NESW").find(seat.front()) == std::string_view::npos)
    return std::nullopt;
  if (tricks < 0 || tricks > 13 - cards / 4) return std::nullopt;
  return ClaimNote{cards, SeatOfLetter(seat), tricks};
}

std::optional<ClaimNote> ReadClaimNote(TBigIniFile& store, std::string_view section) {
  return ParseClaimNote(store.ReadString(section, ClaimKey, ""));
}

}  // namespace tavlo
