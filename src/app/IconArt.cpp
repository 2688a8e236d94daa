#include "app/IconArt.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "app/CommandIds.h"

namespace quorvane {
namespace {

using Art = std::function<void(QPainter&)>;

// Paints a drawing made on a design grid of width x height units into any rectangle, keeping
// its proportions, so the same drawing serves every size and device pixel ratio.
class ArtIconEngine : public QIconEngine {
 public:
  ArtIconEngine(Art art, qreal width, qreal height)
      : m_art(std::move(art)), m_width(width), m_height(height) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(rect.width() / m_width, rect.height() / m_height);
    painter->translate(rect.x() + (rect.width() - m_width * scale) / 2,
                       rect.y() + (rect.height() - m_height * scale) / 2);
    painter->scale(scale, scale);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    m_art(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // size is in device pixels; the drawing is laid out in device-independent ones.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), (QSizeF(size) / scale).toSize()), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new ArtIconEngine(m_art, m_width, m_height); }

 private:
  Art m_art;
  qreal m_width;
  qreal m_height;
};

QIcon MakeIcon(Art art, qreal width, qreal height) {
  return QIcon(new ArtIconEngine(std::move(art), width, height));
}

const QColor kInk(0x30, 0x30, 0x38);
const QColor kBrass(0xe0, 0xa8, 0x20);
const QColor kSteel(0x80, 0x88, 0x94);
const QColor kPaper(0xfb, 0xfb, 0xf6);

QPen Pen(const QColor& color, qreal width) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A padlock on the 16 x 15 grid; open lifts the shackle so its right end stands free.
void Padlock(QPainter& p, bool open) {
  QPainterPath shackle;
  const qreal top = open ? 0.0 : 1.0;
  shackle.moveTo(4.5, 7.0);
  shackle.lineTo(4.5, top + 3.5);
  shackle.arcTo(QRectF(4.5, top, 7.0, 7.0), 180, -180);
  shackle.lineTo(11.5, open ? 4.5 : 7.0);
  p.setPen(Pen(kSteel, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shackle);
  p.setPen(Pen(kInk, 0.8));
  p.setBrush(kBrass);
  p.drawRoundedRect(QRectF(2.5, 7.0, 11.0, 7.5), 1.2, 1.2);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(8.0, 10.2), 1.1, 1.1);
  p.drawRect(QRectF(7.6, 10.5, 0.8, 2.2));
}

void StatisticsArt(QPainter& p) {
  p.setPen(Pen(kInk, 0.8));
  p.setBrush(kPaper);
  p.drawRect(QRectF(1.5, 1.5, 13.0, 12.0));
  const QColor bars[] = {QColor(0x3a, 0x7b, 0xd5), QColor(0x4c, 0xa8, 0x5a),
                         QColor(0xd5, 0x5a, 0x3a)};
  const qreal tops[] = {8.0, 4.0, 6.0};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(bars[i]);
    p.drawRect(QRectF(3.5 + i * 3.5, tops[i], 2.5, 11.5 - tops[i]));
  }
}

void OptionsArt(QPainter& p) {
  for (int row = 0; row < 3; ++row) {
    const qreal y = 1.5 + row * 4.5;
    p.setPen(Pen(kInk, 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, y, 3.5, 3.5));
    p.setPen(Pen(kSteel, 1.2));
    p.drawLine(QPointF(7.0, y + 1.75), QPointF(14.5, y + 1.75));
    if (row != 1) {
      p.setPen(Pen(QColor(0x2e, 0x8b, 0x3e), 1.2));
      p.drawPolyline(QPolygonF({{2.1, y + 1.8}, {3.1, y + 2.8}, {4.7, y + 0.4}}));
    }
  }
}

void ExitArt(QPainter& p) {
  p.setPen(Pen(kInk, 0.8));
  p.setBrush(QColor(0x9a, 0x6a, 0x3c));
  p.drawRect(QRectF(2.5, 1.0, 7.0, 13.0));
  p.setBrush(kBrass);
  p.drawEllipse(QPointF(8.0, 7.5), 0.8, 0.8);
  p.setPen(Pen(QColor(0xc0, 0x28, 0x28), 1.6));
  p.drawLine(QPointF(10.0, 7.5), QPointF(15.0, 7.5));
  p.drawPolyline(QPolygonF({{13.0, 5.3}, {15.2, 7.5}, {13.0, 9.7}}));
}

// A page with a folded corner on a 32 x 32 grid.
void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(6, 2);
  page.lineTo(20, 2);
  page.lineTo(26, 8);
  page.lineTo(26, 30);
  page.lineTo(6, 30);
  page.closeSubpath();
  p.setPen(Pen(kInk, 1.0));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.setBrush(QColor(0xdd, 0xdd, 0xd4));
  p.drawPolygon(QPolygonF({{20, 2}, {20, 8}, {26, 8}}));
}

void DocumentArt(QPainter& p) {
  Page(p);
  p.setPen(Pen(kSteel, 1.4));
  for (int y = 11; y <= 17; y += 3) p.drawLine(QPointF(9, y), QPointF(23, y));
  p.save();
  p.translate(10.0, 17.0);
  p.scale(0.8, 0.8);
  Padlock(p, false);
  p.restore();
}

void ProgramArt(QPainter& p) {
  Page(p);
  p.save();
  p.translate(2.0, 4.0);
  p.scale(1.75, 1.75);
  Padlock(p, false);
  p.restore();
}

}  // namespace

QIcon ToolbarIcon(int commandId) {
  switch (commandId) {
    case cmd::FileEncrypt:
      return MakeIcon([](QPainter& p) { Padlock(p, false); }, 16, 15);
    case cmd::FileDecrypt:
      return MakeIcon([](QPainter& p) { Padlock(p, true); }, 16, 15);
    case cmd::FileStatistics:
      return MakeIcon(StatisticsArt, 16, 15);
    case cmd::FileOptions:
      return MakeIcon(OptionsArt, 16, 15);
    case cmd::AppExit:
      return MakeIcon(ExitArt, 16, 15);
    default:
      return {};
  }
}

QIcon ProgramIcon() {
  return MakeIcon(ProgramArt, 32, 32);
}
QIcon DocumentIcon() {
  return MakeIcon(DocumentArt, 32, 32);
}

}  // namespace quorvane
