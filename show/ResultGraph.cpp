#include "show/ResultGraph.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kGap = 18;
constexpr int kGraphHeight = 90;
constexpr int kSideWidth = 142;  // the button strip's width

int CellWidth(QSize client) { return std::max(0, (client.width() - 108) / kResultColumns); }
int CellHeight(QSize client) { return std::max(0, (client.height() - 238) / kResultRows); }

}  // namespace

QRect ResultCell(QSize client, int onPage, int k) {
  const int m = CellWidth(client);
  const int t = CellHeight(client);
  const int rows = std::clamp((onPage + kResultColumns - 1) / kResultColumns, 1, kResultRows);
  const int top = kResultTitleHeight + (kResultRows - rows) * (t + kGap) / 2;
  const int column = k % kResultColumns;
  const int row = k / kResultColumns;
  return QRect(kGap + column * (m + kGap), top + row * (t + kGap), m, t);
}

float ThumbnailScale(QSize cell, QSize slide) {
  if (slide.width() <= 0 || slide.height() <= 0) return 0.0f;
  return std::min(static_cast<float>(cell.width()) / static_cast<float>(slide.width()),
                  static_cast<float>(cell.height()) / static_cast<float>(slide.height()));
}

QRect ThumbnailRect(QRect cell, QSize slide) {
  const float s = ThumbnailScale(cell.size(), slide);
  const QSize size(static_cast<int>(static_cast<float>(slide.width()) * s),
                   static_cast<int>(static_cast<float>(slide.height()) * s));
  return QRect(cell.x() + (cell.width() - size.width()) / 2,
               cell.y() + (cell.height() - size.height()) / 2, size.width(), size.height());
}

QColor ResultColumnColour(int column) {
  static const QColor colours[kResultColumns] = {QColor(247, 8, 0), QColor(255, 130, 0),
                                                 QColor(247, 247, 8), QColor(16, 247, 16),
                                                 QColor(0, 49, 189)};
  return colours[((column % kResultColumns) + kResultColumns) % kResultColumns];
}

QColor ResultNumberColour(int column) {
  const int c = ((column % kResultColumns) + kResultColumns) % kResultColumns;
  return c == 2 || c == 3 ? QColor(0, 0, 0) : QColor(247, 247, 8);
}

int ResultLabelPointSize(int clientWidth) { return clientWidth < 600 ? 9 : clientWidth < 1200 ? 10 : 11; }

QRect ResultGraphRect(QSize client) {
  return QRect(kGap, 4 * CellHeight(client) + 139, std::max(0, client.width() - 196), kGraphHeight);
}

std::vector<QRect> ResultBars(const std::vector<int>& times, QRect graph) {
  std::int64_t total = 0;
  for (int t : times) total += std::max(0, t);
  std::vector<QRect> bars;
  bars.reserve(times.size());
  int x = graph.x();
  for (size_t j = 0; j < times.size(); ++j) {
    const int width = j + 1 == times.size()
                          ? graph.x() + graph.width() - x
                          : static_cast<int>(total > 0 ? std::int64_t{std::max(0, times[j])} * graph.width() / total : 0);
    bars.emplace_back(x, graph.y(), width, graph.height());
    x += width;
  }
  return bars;
}

QRect ResultHandle(QRect bar) {
  return QRect(bar.x() + bar.width() - kHandleWidth / 2, bar.y(), kHandleWidth, bar.height());
}

int ResultHandleAt(const std::vector<QRect>& bars, QPoint point) {
  for (size_t j = 0; j < bars.size(); ++j)
    if (ResultHandle(bars[j]).contains(point)) return static_cast<int>(j);
  return -1;
}

QRect ResultTotalRect(QSize client) {
  return QRect(client.width() - 160, ResultGraphRect(client).y(), kSideWidth, 24);
}

QRect ResultPageRect(QSize client) { return ResultTotalRect(client).translated(0, 26); }

QRect ResultButtonStrip(QSize client) {
  const QRect graph = ResultGraphRect(client);
  return QRect(client.width() - 160, graph.y() + graph.height() - 30, kSideWidth, 30);
}

QRect ResultButtonRect(QSize client, ResultButton button) {
  const QRect strip = ResultButtonStrip(client);
  return QRect(strip.x() + 2 + 28 * static_cast<int>(button), strip.y() + 2, 26, 26);
}

ResultButton ResultButtonAt(QSize client, QPoint point) {
  for (int b = 0; b < kResultButtonCount; ++b)
    if (ResultButtonRect(client, static_cast<ResultButton>(b)).contains(point))
      return static_cast<ResultButton>(b);
  return ResultButton::None;
}
