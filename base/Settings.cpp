// Settings store over QSettings in INI format.
#include "base/Settings.h"

#include <QSettings>
#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<QSettings> OpenStore() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly");
}

QString Path(const QString& section, const QString& key) { return section + '/' + key; }

}  // namespace

int GetInt(const QString& section, const QString& key, int def) {
  const QVariant v = OpenStore()->value(Path(section, key));
  bool ok = false;
  const int n = v.toInt(&ok);
  return ok ? n : def;
}

void WriteInt(const QString& section, const QString& key, int value) {
  SettingsBatch().WriteInt(section, key, value);
}

QString GetText(const QString& section, const QString& key, const QString& def) {
  const QVariant v = OpenStore()->value(Path(section, key));
  return v.isValid() ? v.toString() : def;
}

void WriteText(const QString& section, const QString& key, const QString& text) {
  SettingsBatch().WriteText(section, key, text);
}

COLORREF GetColor(const QString& section, const QString& key, COLORREF def) {
  bool ok = false;
  const COLORREF c = GetText(section, key, QString()).trimmed().toInt(&ok);
  return ok ? c : def;
}

void WriteColor(const QString& section, const QString& key, COLORREF color) {
  SettingsBatch().WriteColor(section, key, color);
}

int GetInt(const IntSetting& s) { return GetInt(s.section, s.key, s.def); }

void WriteInt(const IntSetting& s, int value) { WriteInt(s.section, s.key, value); }

SettingsBatch::SettingsBatch() : store_(OpenStore()) {}

SettingsBatch::~SettingsBatch() = default;  // the store writes its file as it goes

void SettingsBatch::WriteInt(const QString& section, const QString& key, int value) {
  store_->setValue(Path(section, key), value);
}

void SettingsBatch::WriteInt(const IntSetting& s, int value) { WriteInt(s.section, s.key, value); }

void SettingsBatch::WriteText(const QString& section, const QString& key, const QString& text) {
  store_->setValue(Path(section, key), text);
}

void SettingsBatch::WriteColor(const QString& section, const QString& key, COLORREF color) {
  WriteText(section, key, QString::number(color));
}

int GetDialogOpacity(const QString& dialogKey) {
  return std::clamp(GetInt("Trans", dialogKey, 220), 150, 255);
}
