#pragma once
// Every lesson hand the program ships, read once: the ten lessons of the
// hand file with their table of texts, and the hands of every lesson pack,
// each with its texts in the six languages.

#include <array>
#include <string>
#include <vector>

#include "handfile/big_ini_file.h"
#include "handfile/hand_record.h"
#include "handfile/lesson_pack.h"
#include "model/deal_text.h"

namespace tavlo::testing_support {

inline const std::string kHandFile =
    std::string(TAVLO_SOURCE_DIR) + "/resources/program/Saved Hands.INI";
inline const std::string kLessonsFolder = std::string(TAVLO_SOURCE_DIR) + "/resources/lessons";
inline const std::string kTenLessonsTable =
    std::string(TAVLO_SOURCE_DIR) + "/resources/lang/lessons.tsv";

// The packs whose lessons teach the card play: their auctions are simple,
// and their comments teach declarer's plan.
inline constexpr std::array<int, 2> CardPlayPacks{11, 12};

using SixTexts = std::array<std::string, LessonLanguages.size()>;

struct LessonHand {
  std::string Name;  // "Lesson3", "Pack03_Hand2"
  int Pack = 0;      // the pack's number, 0 for the ten lessons of the hand file
  int Number = 0;    // the hand's section
  HandRecord Record;
  std::vector<std::string> Lines;  // the section as stored
  DealHoldings Deal{};
  SixTexts Comment;  // empty texts where the table has none
  std::vector<SixTexts> AlertTexts;
};

struct LessonLibrary {
  std::vector<LessonHand> Hands;
  std::vector<LessonPack> Packs;
  std::vector<std::string> Problems;  // packs and tables that could not be read
};

inline void AddHand(LessonLibrary& library, TBigIniFile& store, int pack, int number,
                    const HandRecord& record, const LessonTexts& texts) {
  LessonHand hand;
  hand.Pack = pack;
  hand.Number = number;
  hand.Name = pack == 0 ? "Lesson" + std::to_string(number)
                        : std::string("Pack") + (pack < 10 ? "0" : "") + std::to_string(pack) +
                              "_Hand" + std::to_string(number);
  hand.Record = record;
  store.ReadSectionValues(std::to_string(number), hand.Lines);
  if (const Result<DealHoldings> deal = ParseDeal(record.DealText); deal) {
    hand.Deal = *deal;
  } else {
    library.Problems.push_back(hand.Name + ": " + deal.Error());
  }
  const std::string key = std::to_string(number);
  if (const auto found = texts.find(key + ".Comment"); found != texts.end())
    hand.Comment = found->second;
  for (std::size_t alert = 1; alert <= record.Alerts.size(); ++alert) {
    const auto found = texts.find(key + ".Alert." + std::to_string(alert));
    hand.AlertTexts.push_back(found == texts.end() ? SixTexts{} : found->second);
  }
  library.Hands.push_back(std::move(hand));
}

inline LessonLibrary ReadLessonLibrary() {
  LessonLibrary library;
  {
    TBigIniFile store(kHandFile);
    std::vector<HandRecord> ten;
    for (int number = 1; number <= 10; ++number)
      ten.push_back(ReadHandRecord(store, std::to_string(number)));
    Result<LessonTexts> texts = ReadLessonTexts(kTenLessonsTable, ten);
    if (!texts) library.Problems.push_back(texts.Error());
    for (int number = 1; number <= 10; ++number)
      AddHand(library, store, 0, number, ten[number - 1], texts ? *texts : LessonTexts{});
  }
  const Result<std::vector<std::string>> names = LessonPackNames(kLessonsFolder);
  if (!names) library.Problems.push_back(names.Error());
  for (const std::string& name : names ? *names : std::vector<std::string>{}) {
    Result<LessonPack> pack = ReadLessonPack(kLessonsFolder, name);
    if (!pack) {
      library.Problems.push_back(pack.Error());
      continue;
    }
    TBigIniFile store(kLessonsFolder + "/" + name + ".ini");
    const int number = std::stoi(name.substr(0, 2));
    for (std::size_t hand = 0; hand < pack->Hands.size(); ++hand)
      AddHand(library, store, number, static_cast<int>(hand) + 1, pack->Hands[hand], pack->Texts);
    library.Packs.push_back(*std::move(pack));
  }
  return library;
}

inline const LessonLibrary& Lessons() {
  static const LessonLibrary library = ReadLessonLibrary();
  return library;
}

}  // namespace tavlo::testing_support
