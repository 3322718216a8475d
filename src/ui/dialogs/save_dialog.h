#pragma once
// The save dialog: an optional comment for the hand about to be saved.

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tavlo {

class TMultiLang;

class TSaveForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSaveForm(QWidget* parent = nullptr);

  void SetLanguage(int language) { language_ = language; }
  // The comment as typed; the hand file keeps it without trailing blanks.
  QString CommentText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();

  int language_ = 0;
  QLineEdit* comment_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
