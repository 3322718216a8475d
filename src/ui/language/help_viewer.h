#pragma once
// The window that shows a help file: the file's HTML text, with buttons back
// to the table of contents and to the page shown before. It opens whole on
// the screen, and takes the input when asked for from a dialog that holds
// the rest of the program's.

#include <QWidget>

class QTextBrowser;

namespace tavlo {

class TMultiLang;

class HelpViewer : public QWidget {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the help file at path, scrolled to its topic, in language; a
  // viewer not shown yet opens beside table (on its screen) where there is
  // room.
  void ShowTopic(const QString& path, const QString& topic, int language,
                 const QWidget* table = nullptr);
  QTextBrowser* Text() const { return text_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Sized and placed within the screen's room, as near the right of table
  // as it allows.
  void PlaceBeside(const QWidget* table);

  QTextBrowser* text_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
