// The claim at the table: the dialog asks how many of the tricks left, the
// running game checks the claim on the worker; the feedback line says why a
// claim was refused, and an accepted one ends the hand.

#include "common/notifier.h"
#include "dialogs/claim_dialog.h"
#include "game/claim_flow.h"
#include "session/game_session.h"
#include "table/desk_top.h"

namespace tavlo {

void TDeskTop::ClaimClick() {
  if (!CanClaim(game_) || session_->Busy()) {
    Notifier::Current().BeepInformation();
    return;
  }
  auto* dialog = findChild<ClaimDialog*>("ClaimDialog");
  if (!dialog) dialog = new ClaimDialog(this);
  dialog->SetTricksLeft(TricksLeftToClaim(game_));
  dialog->SetLanguage(game_.Options.Language);
  dialog->SetColourScheme(game_.Options.ColourScheme);
  if (dialog->exec() != QDialog::Accepted) return;
  session_->Claim(dialog->Tricks());
}

}  // namespace tavlo
