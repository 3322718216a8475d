#include "handfile/lesson_pack.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "auction/call_rules.h"
#include "handfile/big_ini_file.h"
#include "model/bid_text.h"
#include "model/deal_text.h"

namespace tavlo {

namespace {

constexpr std::string_view PackExtension = ".ini";
constexpr std::string_view TableExtension = ".tsv";
constexpr std::string_view TopicSection = "Topic";

std::optional<int> HandNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '0' || error != std::errc{} ||
      end != text.data() + text.size() || value < 1)
    return std::nullopt;
  return value;
}

// Whether the hand of this section can be bid at the table, or why not.
Status HandProblem(const HandRecord& hand) {
  if (const Result<DealHoldings> deal = ParseDeal(hand.DealText); !deal) return deal.Why();
  std::vector<Bid> calls;
  std::size_t alerted = 0;
  for (const std::string& item : hand.ScriptedAuction) {
    calls.push_back(BidCode(item));
    if (calls.back() == NoBid) return Reason{"\"" + item + "\" is no call"};
    if (item.find('(') != std::string::npos) ++alerted;
  }
  const Result<AuctionOutcome> outcome = FollowCalls(calls, hand.Dealer);
  if (!outcome) return Reason{"the " + outcome.Error()};
  if (!outcome->Over) return Reason{"the auction does not end"};
  if (IsContractBid(outcome->ContractBid) && outcome->Declarer != hand.Declarer)
    return Reason{"the auction ends with another declarer"};
  if (alerted != hand.Alerts.size()) return Reason{"its alerts do not match its alerted calls"};
  if (hand.ScriptedLights.size() != calls.size())
    return Reason{"it has not one stop light per call"};
  for (const std::string& light : hand.ScriptedLights)
    if (light != "R" && light != "Y" && light != "G" && light != "0")
      return Reason{"\"" + light + "\" is no stop light"};
  return {};
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// "2.Comment" and "2.Alert.1" of a hand the pack holds, with an alert it has.
bool KnownKey(std::string_view key, const std::vector<HandRecord>& hands) {
  const std::vector<std::string_view> parts = Split(key, '.');
  const std::optional<int> hand = HandNumber(parts.front());
  if (!hand || *hand > static_cast<int>(hands.size())) return false;
  if (parts.size() == 2) return parts[1] == "Comment";
  const std::optional<int> alert =
      parts.size() == 3 && parts[1] == "Alert" ? HandNumber(parts[2]) : std::nullopt;
  return alert && *alert <= static_cast<int>(hands[*hand - 1].Alerts.size());
}

Reason PackReason(std::string_view name, const std::string& why) {
  return {"The lesson pack " + std::string(name) + " cannot be used: " + why + "."};
}

const std::string* TableText(const LessonPack& pack, const std::string& key, int language) {
  const auto found = pack.Texts.find(key);
  if (found == pack.Texts.end() || language < 0 ||
      language >= static_cast<int>(LessonLanguages.size()) || found->second[language].empty())
    return nullptr;
  return &found->second[language];
}

}  // namespace

Result<std::vector<std::string>> LessonPackNames(const std::string& folder) {
  std::error_code error;
  std::vector<std::string> names;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_regular_file(error) && entry->path().extension() == PackExtension)
      names.push_back(entry->path().stem().string());
  }
  if (error) return Reason{"The lessons folder " + folder + " cannot be read: " + error.message()};
  std::sort(names.begin(), names.end());
  return names;
}

Result<LessonTexts> ReadLessonTexts(const std::string& file, const std::vector<HandRecord>& hands) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return LessonTexts{};
  const std::string shown = std::filesystem::path(file).filename().string();
  std::ifstream in(file, std::ios::binary);
  if (!in) return Reason{"The table " + shown + " cannot be read."};
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseLessonTexts(bytes, shown, &hands);
}

Result<LessonTexts> ParseLessonTexts(std::string_view bytes, std::string_view shown,
                                     const std::vector<HandRecord>* hands) {
  LessonTexts texts;
  int row = 0;
  for (std::string_view line : Split(bytes, '\n')) {
    ++row;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> fields = Split(line, '\t');
    const std::string where = "Line " + std::to_string(row) + " of the table " + std::string(shown);
    if (fields.size() < LessonLanguages.size() + 1) return Reason{where + " lacks texts."};
    if (hands && !KnownKey(fields.front(), *hands))
      return Reason{where + " names no text of its hands."};
    auto& rowTexts = texts[std::string(fields.front())];
    for (std::size_t language = 0; language < rowTexts.size(); ++language)
      rowTexts[language] = fields[language + 1];
  }
  return texts;
}

Result<LessonPack> ReadLessonPack(const std::string& folder, const std::string& name) {
  const std::filesystem::path file = std::filesystem::path(folder) / (name + ".ini");
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error))
    return PackReason(name, "there is no such file");
  TBigIniFile store(file.string());
  if (!store.Loaded()) return PackReason(name, store.Loaded().Error());

  LessonPack pack;
  pack.Name = name;
  for (std::size_t language = 0; language < LessonLanguages.size(); ++language)
    pack.Topic[language] = store.ReadString(TopicSection, LessonLanguages[language], "");
  if (pack.Topic.front().empty()) return PackReason(name, "it names no topic");

  std::vector<std::string> sections;
  store.ReadSections(sections);
  int hands = 0;
  for (const std::string& section : sections) {
    if (section == TopicSection) continue;
    const std::optional<int> number = HandNumber(section);
    if (!number) return PackReason(name, "section [" + section + "] is no hand");
    hands = std::max(hands, *number);
  }
  if (hands == 0) return PackReason(name, "it holds no hand");
  if (hands != static_cast<int>(sections.size()) - 1)
    return PackReason(name, "its hands are not numbered 1 to " + std::to_string(hands));
  for (int hand = 1; hand <= hands; ++hand) {
    pack.Hands.push_back(ReadHandRecord(store, std::to_string(hand)));
    if (const Status playable = HandProblem(pack.Hands.back()); !playable)
      return PackReason(name, "in hand " + std::to_string(hand) + ", " + playable.Error());
  }
  Result<LessonTexts> texts = ReadLessonTexts(
      (file.parent_path() / (name + std::string(TableExtension))).string(), pack.Hands);
  if (!texts) return Reason{"The lesson pack " + name + " cannot be used. " + texts.Error()};
  pack.Texts = *std::move(texts);
  return pack;
}

std::string TopicInLanguage(const LessonPack& pack, int language) {
  if (language < 0 || language >= static_cast<int>(pack.Topic.size()) ||
      pack.Topic[language].empty())
    return pack.Topic.front();
  return pack.Topic[language];
}

std::string LessonComment(const LessonPack& pack, int hand, int language) {
  if (hand < 1 || hand > static_cast<int>(pack.Hands.size())) return {};
  if (const std::string* text = TableText(pack, std::to_string(hand) + ".Comment", language))
    return *text;
  return pack.Hands[hand - 1].Comment;
}

std::string LessonAlert(const LessonPack& pack, int hand, int alert, int language) {
  if (hand < 1 || hand > static_cast<int>(pack.Hands.size())) return {};
  const std::vector<std::string>& alerts = pack.Hands[hand - 1].Alerts;
  if (alert < 1 || alert > static_cast<int>(alerts.size())) return {};
  if (const std::string* text =
          TableText(pack, std::to_string(hand) + ".Alert." + std::to_string(alert), language))
    return *text;
  return alerts[alert - 1];
}

}  // namespace tavlo
