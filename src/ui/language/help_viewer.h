#pragma once
// The window that shows a help file: the file's HTML text, with buttons back
// to the table of contents and to the page shown before.

#include <QWidget>

class QTextBrowser;

namespace tavlo {

class TMultiLang;

class THelpViewer : public QWidget {
  Q_OBJECT
 public:
  explicit THelpViewer(QWidget* parent = nullptr);

  // Shows the help file at path, scrolled to its topic, in language.
  void ShowTopic(const QString& path, const QString& topic, int language);
  QTextBrowser* Text() const { return text_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* text_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
