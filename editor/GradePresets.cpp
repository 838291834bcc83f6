#include "editor/GradePresets.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "render/gdi/Dc.h"

namespace {

QString SlotName(const char* format, int slot) { return QString::asprintf(format, slot); }

// "[PATnn]": the two digits after "[PAT".
std::optional<int> PatternOfLine(const QByteArray& line) {
  if (line.size() != 7 || !line.startsWith("[PAT") || line[6] != ']') return std::nullopt;
  bool ok = false;
  const int pattern = line.mid(4, 2).toInt(&ok);
  if (!ok || !IsGradePattern(pattern)) return std::nullopt;
  return pattern;
}

}  // namespace

Result<QString> GradePresetFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Grade";
  if (!QDir().mkpath(folder)) return Failure(msg::NoWorkFolder, folder + '\n');
  return folder;
}

QByteArray GradePresetText(const GradeValue& value) {
  QByteArray text = QByteArray("[PAT") + QByteArray::number(value.pattern).rightJustified(2, '0') + "]\r\n";
  for (COLORREF c : value.colours) text += QByteArray::number(c) + "\r\n";
  return text;
}

Result<GradeValue> ParseGradePreset(const QByteArray& text) {
  const QList<QByteArray> lines = text.split('\n');
  const auto line = [&lines](int i) { return i < lines.size() ? lines[i].trimmed() : QByteArray(); };
  GradeValue value;
  const std::optional<int> pattern = PatternOfLine(line(0));
  if (!pattern) return Failure(msg::SettingsLoadFailed);
  value.pattern = *pattern;
  for (int i = 0; i < kGradeColours; ++i) {
    bool ok = false;
    value.colours[i] = line(i + 1).toInt(&ok);
    if (!ok) return Failure(msg::SettingsLoadFailed);
  }
  return value;
}

QImage GradePresetPicture(const GradeValue& value, QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  picture.fill(Qt::white);
  gdi::Dc dc(picture);
  FillGradient(dc, value.colours, value.pattern, QRect(QPoint(0, 0), size));
  return picture;
}

QString GradePresets::TextPath(int slot) const { return folder_ + SlotName("/Grade%02d.ini", slot); }
QString GradePresets::PicturePath(int slot) const { return folder_ + SlotName("/Grade%02d.JPEG", slot); }

Result<GradeValue> GradePresets::Read(int slot) const {
  const QString path = TextPath(slot);
  QFile file(path);
  // A preset file is a few hundred bytes; anything much larger is not one.
  if (!file.open(QIODevice::ReadOnly) || file.size() > 4096) return Failure(msg::SettingsLoadFailed, path + '\n');
  Result<GradeValue> value = ParseGradePreset(file.readAll());
  if (!value) return Failure(msg::SettingsLoadFailed, path + '\n');
  return value;
}

Result<void> GradePresets::WriteText(int slot, const GradeValue& value) const {
  const QString path = TextPath(slot);
  const QByteArray text = GradePresetText(value);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !CommitWhole(file))
    return Failure(msg::SettingsSaveFailed, path + '\n');
  return {};
}

void GradePresets::Remove(int slot) const {
  QFile::remove(PicturePath(slot));
  QFile::remove(TextPath(slot));
}
