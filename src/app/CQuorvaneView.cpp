#include "app/CQuorvaneView.h"

#include <QPainter>
#include <QPalette>

namespace quorvane {

CQuorvaneView::CQuorvaneView(QWidget* parent) : QWidget(parent) {
  setObjectName("view");
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  setMinimumSize(120, 60);
}

QString CQuorvaneView::HintText() {
  return tr("Drop a file here to encrypt it, or a crypt to decrypt it.");
}

void CQuorvaneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, HintText());
}

}  // namespace quorvane
