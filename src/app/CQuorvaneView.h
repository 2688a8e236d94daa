#pragma once

#include <QWidget>

namespace quorvane {

// The main window's client area. No command reads or writes a document, so instead of a text
// editor nobody uses (and its save question on closing) it is an empty area that tells the
// user what it is for.
class CQuorvaneView : public QWidget {
  Q_OBJECT

 public:
  explicit CQuorvaneView(QWidget* parent = nullptr);

  // The hint drawn in the middle of the area.
  static QString HintText();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvane
