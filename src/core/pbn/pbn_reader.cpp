#include "pbn/pbn_reader.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "auction/call_rules.h"
#include "model/deal_text.h"
#include "pbn/pbn_play.h"
#include "pbn/pbn_text.h"

namespace tavlo {

namespace {

// A tag with the tokens of its section (the lines up to the next tag).
struct Tag {
  std::string Name;
  std::string Value;  // raw: escapes are read where the text matters
  std::vector<std::string> Tokens;
};

struct Game {
  std::vector<Tag> Tags;
  bool Broken = false;  // a tag without its closing quote or bracket
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Splits the text into games: a game is a run of tags and their sections,
// ended by an empty line. Comments ("%" lines, ";" to the line's end and
// "{...}") are dropped.
std::vector<Game> SplitGames(std::string_view text) {
  std::vector<Game> games;
  Game game;
  bool lineHasContent = false, atLineStart = true;
  const auto endGame = [&] {
    if (!game.Tags.empty()) games.push_back(std::move(game));
    game = Game{};
  };
  std::size_t at = 0;
  const auto skipTo = [&](char end) {
    const auto found = text.find(end, at);
    at = found == std::string_view::npos ? text.size() : found;
  };
  while (at < text.size()) {
    const char c = text[at];
    if (c == '\n') {
      if (!lineHasContent) endGame();
      lineHasContent = false;
      atLineStart = true;
      ++at;
      continue;
    }
    const bool lineStart = atLineStart;
    atLineStart = false;
    if (IsBlank(c)) {
      ++at;
      continue;
    }
    lineHasContent = true;
    if ((c == '%' && lineStart) || c == ';') {
      skipTo('\n');
    } else if (c == '{') {
      skipTo('}');
      if (at < text.size()) ++at;
    } else if (c == '[') {
      Tag tag;
      ++at;
      while (at < text.size() && IsBlank(text[at])) ++at;
      while (at < text.size() && !IsBlank(text[at]) && text[at] != '"' && text[at] != ']' &&
             text[at] != '\n')
        tag.Name += text[at++];
      while (at < text.size() && IsBlank(text[at])) ++at;
      bool closed = false;
      if (at < text.size() && text[at] == '"') {
        for (++at; at < text.size() && text[at] != '\n'; ++at) {
          if (text[at] == '"') {
            closed = true;
            break;
          }
          if (text[at] == '\\' && at + 1 < text.size() && text[at + 1] != '\n')
            tag.Value += text[at++];
          tag.Value += text[at];
        }
      }
      if (closed) {
        ++at;
        while (at < text.size() && IsBlank(text[at])) ++at;
        closed = at < text.size() && text[at] == ']';
      }
      if (!closed) {
        game.Broken = true;
        skipTo('\n');
        continue;
      }
      ++at;
      game.Tags.push_back(std::move(tag));
    } else {
      std::string token;
      while (at < text.size() && !IsBlank(text[at]) && text[at] != '\n' && text[at] != '[' &&
             text[at] != ';' && text[at] != '{')
        token += text[at++];
      if (!game.Tags.empty()) game.Tags.back().Tokens.push_back(std::move(token));
    }
  }
  endGame();
  return games;
}

const Tag* FindTag(const Game& game, std::string_view name) {
  for (const Tag& tag : game.Tags)
    if (tag.Name == name) return &tag;
  return nullptr;
}

// A value that says nothing: missing, empty, or "?" for not known.
bool Unknown(const Tag* tag) { return !tag || tag->Value.empty() || tag->Value == "?"; }

std::string Lowered(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

// The notes of the game, by number: [Note "1:text"].
std::map<std::string, std::string> NotesOf(const Game& game) {
  std::map<std::string, std::string> notes;
  for (const Tag& tag : game.Tags) {
    if (tag.Name != "Note") continue;
    const auto colon = tag.Value.find(':');
    if (colon == std::string::npos) continue;
    notes.emplace(tag.Value.substr(0, colon), TextOfPbnString(tag.Value.substr(colon + 1)));
  }
  return notes;
}

// Annotations that say how good a call or card was: "!", "?", "!?", "$12".
bool IsAnnotation(std::string_view token) {
  if (!token.empty() && token[0] == '$') return true;
  return !token.empty() && token.find_first_not_of("!?") == std::string_view::npos;
}

std::string_view WithoutSuffix(std::string_view token) {
  while (token.size() > 1 && (token.back() == '!' || token.back() == '?')) token.remove_suffix(1);
  return token;
}

bool IsNoteReference(std::string_view token) {
  return token.size() >= 3 && token.front() == '=' && token.back() == '=';
}

Status ReadAuction(const Tag& tag, const std::map<std::string, std::string>& notes,
                   PbnBoard& board) {
  std::vector<Bid> calls;
  bool allPass = false;
  for (const std::string& token : tag.Tokens) {
    if (IsAnnotation(token) || token == "-") continue;
    if (token == "*" || token == "+") break;
    if (IsNoteReference(token)) {
      const std::string number = token.substr(1, token.size() - 2);
      const auto note = notes.find(number);
      if (note == notes.end() || note->second.empty())
        return Reason{"note " + number + " of the auction has no text"};
      if (!board.Auction.empty()) board.Auction.back().Note = note->second;
      continue;
    }
    if (token == "AP" || token == "ap") {
      allPass = true;
      break;
    }
    const auto call = ReadPbnCall(WithoutSuffix(token));
    if (!call) return Reason{"the auction holds \"" + token + "\", which is no call"};
    calls.push_back(*call);
    board.Auction.push_back({*call, {}});
  }
  if (calls.empty() && !allPass) return {};
  Result<AuctionOutcome> outcome = FollowCalls(calls, board.Dealer);
  // "AP" passes out the rest, and so do calls that stop short: the table
  // completes an auction with passes too.
  while (outcome && !outcome->Over) {
    calls.push_back(Pass);
    board.Auction.push_back({Pass, {}});
    outcome = FollowCalls(calls, board.Dealer);
  }
  if (!outcome) return Reason{"the auction is not legal: " + outcome.Error()};
  board.Contract = PbnContract{outcome->ContractBid, outcome->Doubling};
  board.Declarer.reset();
  if (outcome->ContractBid != Pass) board.Declarer = outcome->Declarer;
  return {};
}

// Keeps the complete tricks before the first missing card when they keep to
// the deal and the rules of play. Returns why a play is left out;
// empty when it is kept.
std::string ReadPlay(const Tag& tag, PbnBoard& board) {
  const auto seat = ReadPbnSeat(tag.Value);
  if (!seat) return "the play names no seat to start from";
  std::vector<PbnTrick> tricks;
  PbnTrick trick{};
  int column = 0;
  for (const std::string& token : tag.Tokens) {
    if (IsAnnotation(token) || IsNoteReference(token)) continue;
    if (token == "*") break;
    const std::string_view card = WithoutSuffix(token);
    Card read = 0;
    if (card != "-") {
      read = ReadPbnCard(card);
      if (read == 0) return "the play holds \"" + token + "\", which is no card";
    }
    trick[column++] = read;
    if (column == 4) {
      tricks.push_back(trick);
      trick = {};
      column = 0;
    }
  }
  if (tricks.empty()) return {};
  if (!board.Contract || board.Contract->ContractBid == Pass || !board.Declarer)
    return "the play has no contract to be played in";
  std::vector<PbnTrick> kept;
  for (const PbnTrick& trick : tricks) {
    if (std::find(trick.begin(), trick.end(), Card{0}) != trick.end()) break;
    kept.push_back(trick);
  }
  if (kept.empty()) return {};
  const SeatCode declarer = *board.Declarer;
  const Result<PlayOut> play = ReplayPbnTricks(board.Deal, BidStrain(board.Contract->ContractBid),
                                               NextSeat(declarer), *seat, kept);
  if (!play) return Lowered(play.Error());
  board.PlaySeat = *seat;
  board.Play = std::move(kept);
  if (play->Over() && !board.Result) board.Result = play->TricksOf(SideOfSeat(declarer));
  return {};
}

Status ReadBoard(const Game& game, PbnBoard& board) {
  if (game.Broken) return Reason{"a tag is not closed"};
  if (const Tag* event = FindTag(game, "Event"); !Unknown(event))
    board.Event = TextOfPbnString(event->Value);

  const Tag* deal = FindTag(game, "Deal");
  if (Unknown(deal)) return Reason{"it has no deal"};
  std::string dealText = deal->Value;
  while (!dealText.empty() && IsBlank(dealText.back())) dealText.pop_back();
  for (char& c : dealText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (dealText.size() < 2 || dealText[1] != ':' || !ReadPbnSeat(dealText.substr(0, 1)))
    return Reason{"the deal does not start with a seat and a colon"};
  // Four hands of 13 cards always take 69 characters, voids or not.
  if (dealText.size() != DealTextLength)
    return Reason{"the deal does not hold 13 cards in each hand"};
  const Result<DealHoldings> dealt = ParseDeal(dealText);
  if (!dealt) return Reason{Lowered(dealt.Error())};
  board.Deal = *dealt;

  const Tag* dealer = FindTag(game, "Dealer");
  const Tag* auction = FindTag(game, "Auction");
  if (!Unknown(dealer)) {
    const auto seat = ReadPbnSeat(dealer->Value);
    if (!seat) return Reason{"the dealer \"" + dealer->Value + "\" is no seat"};
    board.Dealer = *seat;
  } else if (!Unknown(auction) && ReadPbnSeat(auction->Value)) {
    board.Dealer = *ReadPbnSeat(auction->Value);
  }
  if (const Tag* vulnerable = FindTag(game, "Vulnerable"); !Unknown(vulnerable)) {
    const auto vulnerability = ReadPbnVulnerability(vulnerable->Value);
    if (!vulnerability)
      return Reason{"the vulnerability \"" + vulnerable->Value + "\" is not known"};
    board.Vulnerability = *vulnerability;
  }
  if (const Tag* declarer = FindTag(game, "Declarer"); !Unknown(declarer))
    board.Declarer = ReadPbnSeat(declarer->Value);
  if (const Tag* contract = FindTag(game, "Contract"); !Unknown(contract)) {
    board.Contract = ReadPbnContract(contract->Value);
    if (!board.Contract) return Reason{"the contract \"" + contract->Value + "\" is not known"};
  }
  if (const Tag* result = FindTag(game, "Result"); !Unknown(result)) {
    const std::string& value = result->Value;
    if (value.size() <= 2 && value.find_first_not_of("0123456789") == std::string::npos) {
      const int tricks = std::stoi(value);
      if (tricks <= 13) board.Result = tricks;
    }
  }
  if (auction && !auction->Tokens.empty()) {
    if (ReadPbnSeat(auction->Value) != board.Dealer)
      return Reason{"the auction does not start with the dealer"};
    return ReadAuction(*auction, NotesOf(game), board);
  }
  return {};
}

// A "#" value repeats the value the same tag had in the game before.
void InheritValues(Game& game, const std::map<std::string, std::string>& before) {
  for (Tag& tag : game.Tags) {
    if (tag.Value != "#") continue;
    const auto found = before.find(tag.Name);
    tag.Value = found == before.end() ? std::string() : found->second;
  }
}

}  // namespace

PbnReading ReadPbn(std::string_view bytes) {
  PbnReading reading;
  std::map<std::string, std::string> before;
  int number = 0;
  for (Game& game : SplitGames(PbnTextAsUtf8(bytes))) {
    ++number;
    InheritValues(game, before);
    for (const Tag& tag : game.Tags) before[tag.Name] = tag.Value;
    PbnBoard board;
    const Tag* name = FindTag(game, "Board");
    board.Board = Unknown(name) ? std::to_string(number) : TextOfPbnString(name->Value);
    if (const Status read = ReadBoard(game, board); !read) {
      reading.Problems.push_back("Board " + board.Board + " was left out: " + read.Error() + ".");
      continue;
    }
    if (const Tag* play = FindTag(game, "Play"); play && !Unknown(play)) {
      if (const std::string why = ReadPlay(*play, board); !why.empty())
        reading.Problems.push_back("Board " + board.Board + " came in without its play: " + why +
                                   ".");
    }
    reading.Boards.push_back(std::move(board));
  }
  return reading;
}

}  // namespace tavlo
