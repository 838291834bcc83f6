// The per-user settings store: named sections of integers and texts in
// ~/.config/Orlinde/Tessaly.ini. A missing value gives the caller's default.
#pragma once

#include <QString>
#include <memory>

#include "base/Color.h"

class QSettings;

int GetInt(const QString& section, const QString& key, int def);
void WriteInt(const QString& section, const QString& key, int value);
QString GetText(const QString& section, const QString& key, const QString& def);
void WriteText(const QString& section, const QString& key, const QString& text);

// Colours are kept as signed decimal text ("-1", "16773100").
COLORREF GetColor(const QString& section, const QString& key, COLORREF def);
void WriteColor(const QString& section, const QString& key, COLORREF color);

// One integer setting with its default, so the key and default are written once.
struct IntSetting {
  const char* section;
  const char* key;
  int def;
};
int GetInt(const IntSetting& s);
void WriteInt(const IntSetting& s, int value);

// The keys that several parts of the program share.
namespace sys {
inline constexpr IntSetting PlayAnime{"SYS", "PlayAnime", 3};
inline constexpr IntSetting SpeedAnime{"SYS", "SpeedAnime", 0};
inline constexpr IntSetting DspGuide{"SYS", "DspGuide", 1};
inline constexpr IntSetting FirstOpen{"SYS", "FirstOpen", 0};
inline constexpr IntSetting ImageW{"SYS", "ImageW", 250};
inline constexpr IntSetting ObjW{"SYS", "ObjW", 100};
inline constexpr IntSetting ObjH{"SYS", "ObjH", 50};
inline constexpr IntSetting AutoCng{"SYS", "AutoCng", 60};
inline constexpr IntSetting MakeBackup{"SYS", "MakeBackup", 1};
}  // namespace sys

// Values written together: the store file is written once, when the batch
// ends, where each single Write above writes it again.
class SettingsBatch {
 public:
  SettingsBatch();
  ~SettingsBatch();
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

  void WriteInt(const QString& section, const QString& key, int value);
  void WriteInt(const IntSetting& s, int value);
  void WriteText(const QString& section, const QString& key, const QString& text);
  void WriteColor(const QString& section, const QString& key, COLORREF color);

 private:
  std::unique_ptr<QSettings> store_;
};

// Opacity of a semi-transparent dialog ("Trans"/key), clamped to 150..255.
int GetDialogOpacity(const QString& dialogKey);
