// The ten gradient presets a user keeps: for slot n, "Grade%02d.ini" (the
// pattern line "[PATnn]" and the 17 colours, CR LF lines) and "Grade%02d.JPEG"
// (its picture) in a per-user folder that outlives the work folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "base/Failure.h"
#include "editor/GradeEditor.h"

inline constexpr int kGradePresetSlots = 10;

// "<app data>/Grade", created when missing. Fails with 30002 after the path.
[[nodiscard]] Result<QString> GradePresetFolder();

// The text of a preset file.
QByteArray GradePresetText(const GradeValue& value);
// A preset file's value (turn flag false). Fails with 30041, without detail,
// when the pattern line is not one of the 14 patterns or a colour line is
// missing or not a number; nothing of a refused file is used.
Result<GradeValue> ParseGradePreset(const QByteArray& text);

// The gradient painted over a picture of `size`; a null image when it cannot be made.
QImage GradePresetPicture(const GradeValue& value, QSize size);

class GradePresets {
 public:
  explicit GradePresets(QString folder) : folder_(std::move(folder)) {}

  QString TextPath(int slot) const;
  QString PicturePath(int slot) const;

  // Slot n's value; 30041 after the file's path when it cannot be read or parsed.
  Result<GradeValue> Read(int slot) const;
  // Writes the text file, replacing an older one only once complete; 30040
  // after the path on failure.
  Result<void> WriteText(int slot, const GradeValue& value) const;
  // Deletes both files; a file that cannot be deleted is left.
  void Remove(int slot) const;

 private:
  QString folder_;
};
