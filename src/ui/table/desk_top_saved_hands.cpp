// The table's saved-hand commands: save the hand just finished, play a hand
// of the hand file or of a lesson pack, delete hands from the hand file. The
// dialogs ask; the hand file's rules decide what is written and what can be
// played.

#include "common/notifier.h"
#include "dialogs/save_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "game/save_hand.h"
#include "handfile/saved_hand_list.h"
#include "session/lesson_library.h"
#include "table/desk_top.h"
#include "table/lessons_window.h"

namespace tavlo {

TGetSavedHandForm* TDeskTop::SavedHandPicker() {
  if (!getSavedHand_) getSavedHand_ = new TGetSavedHandForm(HandStore(), this);
  getSavedHand_->SetLanguage(game_.Options.Language);
  return getSavedHand_;
}

TSaveForm* TDeskTop::SaveForm() {
  if (!saveForm_) saveForm_ = new TSaveForm(this);
  saveForm_->SetLanguage(game_.Options.Language);
  return saveForm_;
}

void TDeskTop::SaveHandMenuClick() {
  // Only a finished hand has a game to save.
  if (game_.Table.TablePhase != Phase::EndOfHand) return;
  if (SaveForm()->exec() != QDialog::Accepted) return;
  const Result<std::string> saved =
      SaveFinishedHand(game_, HandStore(), saveForm_->CommentText().toStdString());
  HandMenuButtons();
  if (!saved) Notifier::Current().Message(QString::fromStdString(saved.Error()));
}

void TDeskTop::ButSavedHandClick() {
  TGetSavedHandForm* picker = SavedHandPicker();
  picker->SetPickMode(SavedHandPickMode::Play);
  if (picker->exec() != QDialog::Accepted) return;
  // A board typed into the file by hand that is no number is passed over.
  const auto board = PlayableBoard(picker->ChosenBoard().toStdString());
  if (!board) return;
  session_->PlaySavedHand(*board);
}

void TDeskTop::LessonsClick() {
  if (!lessons_) {
    lessons_ = new LessonLibrary(*session_, folders_.Data + "/lessons", LessonProgressFile(), this);
    connect(lessons_, &LessonLibrary::ProgressNotSaved, this,
            [](const QString& why) { Notifier::Current().Message(why); });
    lessonsWindow_ = new LessonsWindow(*lessons_, this);
  }
  lessonsWindow_->SetLanguage(game_.Options.Language);
  lessonsWindow_->exec();
}

void TDeskTop::DeleteaSavedHandClick() {
  TGetSavedHandForm* picker = SavedHandPicker();
  picker->SetPickMode(SavedHandPickMode::Delete);
  picker->exec();
  HandMenuButtons();
}

}  // namespace tavlo
