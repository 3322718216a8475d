#pragma once
// A hand that ended in a claim keeps the claim beside its play. The "Plays"
// key still holds all 52 cards, so a reader that knows nothing of claims
// reads a whole hand: the cards played at the table, then the rest in a
// legal order that gives the claimed result. The "Claim" key says where the
// table's play stopped, who claimed and how many of the tricks left: "24 S
// 6" is South claiming six of the seven tricks left after 24 cards.

#include <optional>
#include <string>
#include <string_view>

#include "handfile/big_ini_file.h"
#include "model/codes.h"

namespace tavlo {

struct ClaimNote {
  int CardsPlayed = 0;  // at the table, before the claim
  SeatCode Claimer = South;
  int Tricks = 0;  // of the tricks left then; 0 concedes them all

  bool operator==(const ClaimNote&) const = default;
};

inline constexpr std::string_view ClaimKey = "Claim";

std::string ClaimNoteText(const ClaimNote& note);
// A claim's text read back; none for an empty text or one that is no
// claim (a count of cards outside 0..51, no seat, more tricks than are left).
std::optional<ClaimNote> ParseClaimNote(std::string_view text);
// The claim of a saved hand; none for a hand played to its end.
std::optional<ClaimNote> ReadClaimNote(TBigIniFile& store, std::string_view section);

}  // namespace tavlo
