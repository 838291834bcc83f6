#include "app/ShowSetForm.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/Cp932.h"
#include "base/StringTable.h"
#include "core/Records.h"

namespace {

QByteArray StoredEndText(const DocHeader& h) {
  return QByteArray(h.EndText, static_cast<qsizetype>(strnlen(h.EndText, sizeof h.EndText)));
}

std::optional<QByteArray> EncodeEndText(const QString& edit) {
  QString text = edit;
  text.replace(QLatin1Char('\n'), QLatin1Char('@'));
  return EncodeCp932(text);
}

QByteArray MessageBytes(int id) { return EncodeCp932(LoadString(id).value_or(QString())).value_or(QByteArray()); }

ShowSetForm::Bell BellFromHeader(std::uint16_t kind, std::uint16_t time) {
  ShowSetForm::Bell bell;
  bell.on = kind >= 1 && kind <= 3;
  bell.kind = bell.on ? static_cast<int>(kind) : static_cast<int>(ShowSetForm::Both);
  bell.seconds = time;
  return bell;
}

std::uint16_t BellKind(const ShowSetForm::Bell& bell) {
  return bell.on ? static_cast<std::uint16_t>(std::clamp(bell.kind, 1, 3)) : 0;
}

QByteArray EndTextFromForm(const ShowSetForm& form) {
  if (!form.endOn) return QByteArray();
  switch (form.endChoice) {
    case ShowSetForm::EndChoice::Japanese: return MessageBytes(msg::EndTextJapanese);
    case ShowSetForm::EndChoice::English: return MessageBytes(msg::EndTextEnglish);
    case ShowSetForm::EndChoice::Custom: break;
  }
  return TruncateCp932(EncodeEndText(form.endEdit).value_or(QByteArray()), kEndTextMaxBytes);
}

template <typename T, typename V>
void Set(T& field, V value, bool& changed) {
  if (field == static_cast<T>(value)) return;
  field = static_cast<T>(value);
  changed = true;
}

}  // namespace

ShowSetForm FormFromHeader(const DocHeader& h) {
  ShowSetForm form;
  form.menuOn = h.MenuMode != 0;
  form.menuAlways = h.MenuMode <= 1;
  form.menuSeconds = form.menuAlways ? kMenuSecondsMin : ClampMenuSeconds(h.MenuMode);
  const QByteArray text = StoredEndText(h);
  form.endOn = !text.isEmpty();
  if (text.isEmpty() || text == MessageBytes(msg::EndTextJapanese)) {
    form.endChoice = ShowSetForm::EndChoice::Japanese;
  } else if (text == MessageBytes(msg::EndTextEnglish)) {
    form.endChoice = ShowSetForm::EndChoice::English;
  } else {
    form.endChoice = ShowSetForm::EndChoice::Custom;
    QString edit = DecodeCp932(text);
    edit.replace(QLatin1Char('@'), QLatin1Char('\n'));
    // What a damaged header holds beyond the limit or cannot be stored again is left out.
    form.endEdit = LimitEndText(QString(), edit).text;
  }
  form.noEnlarge = h.NoEnlarge != 0;
  form.bells = {BellFromHeader(h.Bell1Kind, h.Bell1Time), BellFromHeader(h.Bell2Kind, h.Bell2Time)};
  form.repeat = h.RepeatOnce == 0;
  form.showClock = h.ShowClock != 0;
  form.autoSwitch = h.AutoSwitch != 0;
  return form;
}

bool FormToHeader(const ShowSetForm& form, DocHeader& h) {
  bool changed = false;
  const int menu = !form.menuOn ? 0 : form.menuAlways ? 1 : ClampMenuSeconds(form.menuSeconds);
  Set(h.MenuMode, menu, changed);
  const QByteArray text = EndTextFromForm(form);
  if (text != StoredEndText(h)) {
    StoreCp932Bytes(h.EndText, sizeof h.EndText, text);
    changed = true;
  }
  Set(h.NoEnlarge, form.noEnlarge ? 1 : 0, changed);
  Set(h.Bell1Kind, BellKind(form.bells[0]), changed);
  Set(h.Bell1Time, std::clamp(form.bells[0].seconds, 0, kBellSecondsMax), changed);
  Set(h.Bell2Kind, BellKind(form.bells[1]), changed);
  Set(h.Bell2Time, std::clamp(form.bells[1].seconds, 0, kBellSecondsMax), changed);
  Set(h.RepeatOnce, form.repeat ? 0 : 1, changed);
  Set(h.ShowClock, form.showClock ? 1 : 0, changed);
  Set(h.AutoSwitch, form.autoSwitch ? 1 : 0, changed);
  return changed;
}

int ClampMenuSeconds(int seconds) { return std::clamp(seconds, kMenuSecondsMin, kMenuSecondsMax); }

int BellSeconds(int hours, int minutes, int seconds) {
  return std::min(hours * 3600 + minutes * 60 + seconds, kBellSecondsMax);
}

int EndTextBytes(const QString& edit) {
  const std::optional<QByteArray> bytes = EncodeEndText(edit);
  return bytes ? static_cast<int>(bytes->size()) : -1;
}

LimitedEndText LimitEndText(const QString& before, const QString& after) {
  // The edit replaced before[a, before.size() - b) by after[a, after.size() - b).
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype a = 0;
  while (a < shorter && before[a] == after[a]) ++a;
  qsizetype b = 0;
  while (b < shorter - a && before[before.size() - 1 - b] == after[after.size() - 1 - b]) ++b;
  // Never split a surrogate pair between the kept text and the insertion.
  if (a > 0 && after[a - 1].isHighSurrogate()) --a;
  if (b > 0 && after[after.size() - b].isLowSurrogate()) --b;

  const QString head = after.left(a);
  const QString tail = after.right(b);
  const QString inserted = after.mid(a, after.size() - a - b);
  int budget = kEndTextMaxBytes - std::max(0, EndTextBytes(head)) - std::max(0, EndTextBytes(tail));
  LimitedEndText result;
  QString kept;
  for (qsizetype i = 0; i < inserted.size();) {
    const qsizetype len = inserted[i].isHighSurrogate() && i + 1 < inserted.size() ? 2 : 1;
    const QString ch = inserted.mid(i, len);
    i += len;
    const int bytes = EndTextBytes(ch);
    if (bytes < 0 || bytes > budget) {
      result.refused = true;
      if (bytes < 0) continue;  // a character that cannot be stored is only left out
      break;
    }
    kept += ch;
    budget -= bytes;
  }
  result.text = head + kept + tail;
  result.cursor = static_cast<int>(head.size() + kept.size());
  return result;
}
