#pragma once
// The lessons window: the topics of the lesson packs and their hands, each
// with the learner's marks of its best try (not tried; bid without a
// mistake or with help; the contract made or down, its score) and par; the
// latest try, when it did less well, in the row's tooltip. A hand chosen is
// dealt as a saved hand is; Continue deals the first hand not tried yet.

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tavlo {

class LessonLibrary;
class TMultiLang;

class LessonsWindow : public QDialog {
  Q_OBJECT
 public:
  LessonsWindow(LessonLibrary& library, QWidget* parent = nullptr);

  void SetLanguage(int language) { language_ = language; }
  QTreeWidget* Topics() const { return topics_; }

 protected:
  // Reads the library the first time it is shown, telling the learner what
  // could not be read, and shows the marks as they stand.
  void showEvent(QShowEvent* event) override;

 private:
  QString Word(const char* name) const;
  void Fill();
  void FillHand(QTreeWidgetItem* item, std::size_t pack, int hand);
  void PlayChosen();
  void Continue();
  void Play(std::size_t pack, int hand);

  LessonLibrary& library_;
  int language_ = 0;
  QLabel* instruction_;
  QTreeWidget* topics_;
  QPushButton* play_;
  QPushButton* continue_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
