// Character-level wrapping of figure text.
#include "render/TextWrap.h"

#include <QFontMetrics>
#include <QList>
#include <QString>
#include <algorithm>

#include "base/Cp932.h"

namespace {

qsizetype CharBytes(QByteArrayView s, qsizetype at) {
  return IsCp932LeadByte(static_cast<unsigned char>(s[at])) && at + 1 < s.size() ? 2 : 1;
}

}  // namespace

std::vector<QByteArray> FigureTextLines(QByteArrayView text) {
  QByteArray expanded = text.toByteArray();
  expanded.replace('\t', "    ");
  std::vector<QByteArray> lines;
  for (const QByteArray& line : expanded.split('\n')) lines.push_back(line);
  return lines;
}

int FitCount(const QFontMetrics& fm, int width, QByteArrayView line) {
  // Most lines fit whole: one measure instead of a search.
  if (fm.horizontalAdvance(DecodeCp932(line)) <= width) return static_cast<int>(line.size());
  std::vector<qsizetype> ends;  // the byte offset after each character
  for (qsizetype at = 0; at < line.size(); at += CharBytes(line, at)) ends.push_back(at + CharBytes(line, at));
  // Without kerning a prefix never gets narrower as it grows: the prefixes that fit
  // come first, and a binary search finds the last of them.
  const auto fits = [&](qsizetype end) {
    return fm.horizontalAdvance(DecodeCp932(line.first(end))) <= width;
  };
  const auto firstTooWide = std::partition_point(ends.begin(), ends.end(), fits);
  return firstTooWide == ends.begin() ? 0 : static_cast<int>(*(firstTooWide - 1));
}

std::vector<QByteArray> WrapLine(const QFontMetrics& fm, int width, QByteArrayView line) {
  std::vector<QByteArray> out;
  QByteArrayView rest = line;
  int n = 0;
  do {
    n = FitCount(fm, width, rest);
    if (n > 0 || out.empty()) out.push_back(rest.first(n).toByteArray());
    rest = rest.sliced(n);
  } while (n > 0 && !rest.isEmpty() && out.size() < kMaxWrappedLines);
  return out;
}

int WrappedLineCount(const QFontMetrics& fm, int width, QByteArrayView line) {
  return static_cast<int>(WrapLine(fm, width, line).size());
}

std::vector<QByteArray> VisualLines(const QFontMetrics& fm, int width,
                                    const std::vector<QByteArray>& lines, bool wordWrap) {
  std::vector<QByteArray> out;
  for (const QByteArray& line : lines) {
    if (wordWrap) {
      for (QByteArray& piece : WrapLine(fm, width, line)) out.push_back(std::move(piece));
    } else {
      out.push_back(line.first(FitCount(fm, width, line)));
    }
  }
  return out;
}
