// Messages in the learner's language: the reports of a damaged PBN file
// and the file errors of core, said again sentence by sentence with their
// values in place, reasons within reasons translated too, and whatever no
// sentence of the table matches left as written.

#include "common/messages.h"

#include <gtest/gtest.h>

#include <QFile>

#include "language/languages.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_import.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

struct Said {
  int language;
  QString english;
  QString translated;
};

TEST(Messages, EachSentenceIsSaidInTheLanguageWithItsValues) {
  const std::vector<Said> cases{
      {German, "Added 3 hands as boards 12 to 14.", "3 Spiele als Boards 12 bis 14 hinzugefügt."},
      {Swedish, "Added 2 hands as boards 7 and 8.", "2 givar lades till som brickor 7 och 8."},
      {French, "Wrote 1 board to /tmp/hands.pbn.", "1 donne écrite dans /tmp/hands.pbn."},
      {Danish, "Wrote 12 boards to hands.pbn.", "Skrev 12 spil til hands.pbn."},
      // A file error of core, with the system's reason inside it.
      {German, "Could not write the file \"/media/stick/Saved Hands.INI\": Read-only file system.",
       "Die Datei „/media/stick/Saved Hands.INI“ konnte nicht geschrieben werden: Dateisystem "
       "nur lesbar."},
      {Norwegian,
       "The options file \"/home/a/Options.DAT\" is shorter than one record; the default options "
       "take its place.",
       "Innstillingsfilen \"/home/a/Options.DAT\" er kortere enn én post; standardinnstillingene "
       "brukes i stedet."},
      // A reason within a reason within a sentence, and a seat named in it.
      {French,
       "Board 4 came in without its play: Card 6 (HK) is not in the hand of East in trick 2.",
       "La donne 4 a été importée sans son jeu de la carte : Levée 2 : Est n'a pas la carte 6 "
       "(HK)."},
      // Texts the program has always shown word for word in English.
      {Swedish, "You have the program running all ready!!", "Programmet körs redan!!"},
      // A reason the table does not know stays as written; so does English.
      {German, "Board 9 was left out: something new.", "Board 9 wurde ausgelassen: something new."},
      {German, "A text no table knows", "A text no table knows"},
      {English, "Wrote 12 boards to hands.pbn.", "Wrote 12 boards to hands.pbn."},
  };
  for (const Said& said : cases)
    EXPECT_EQ(MessageInLanguage(said.english, said.language).toStdString(),
              said.translated.toStdString());
}

QByteArray DamagedFile() {
  QFile file(TAVLO_SOURCE_DIR "/tests/core/pbn/data/bad_boards.pbn");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

// The import of a file whose boards are damaged each in another way, as a
// German learner reads its report: every line in German.
TEST(Messages, TheReportOfADamagedPbnFileReadsInGerman) {
  const QByteArray bytes = DamagedFile();
  PbnImportResult result;
  result.Problems = PlanPbnImport({bytes.constData(), std::size_t(bytes.size())}).Problems;
  result.Sections = std::vector<std::string>{"31", "32"};
  const QString report = QString::fromStdString(ImportReport(result));
  EXPECT_EQ(MessageInLanguage(report, German).toStdString(),
            "2 Spiele als Boards 31 und 32 hinzugefügt.\n"
            "Board 2 wurde ausgelassen: Der Text der Verteilung enthält ~CA zweimal.\n"
            "Board 3 wurde ausgelassen: Die Verteilung hat nicht 13 Karten in jeder Hand.\n"
            "Board 4 wurde ausgelassen: Die Reizung ist nicht regelgerecht: Gebot 4 (1H) ist nicht "
            "höher als das Gebot davor.\n"
            "Board 5 wurde ausgelassen: Die Reizung ist nicht regelgerecht: Gebot 3 (X) kontriert, "
            "obwohl es nichts zu kontrieren gibt.\n"
            "Board 6 wurde ausgelassen: Die Anmerkung 1 der Reizung hat keinen Text.\n"
            "Board 7 wurde ausgelassen: Es fehlt die Verteilung.");
}

// The notifier shows every message in the language the table set.
TEST(Messages, TheNotifierSpeaksTheTablesLanguage) {
  RecordingNotifier notifier;
  Notifier::SetLanguage(Danish);
  notifier.Message("The file /tmp/a.pbn could not be read.");
  notifier.Ask("The hand on the table stays.");
  Notifier::SetLanguage(English);
  notifier.Message("The file /tmp/a.pbn could not be read.");
  EXPECT_EQ(notifier.messages, QStringList({"Filen /tmp/a.pbn kunne ikke læses.",
                                            "The file /tmp/a.pbn could not be read."}));
  EXPECT_EQ(notifier.questions, QStringList({"Spillet på bordet bliver liggende."}));
}

}  // namespace
}  // namespace tavlo
