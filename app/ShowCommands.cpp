#include "app/ShowCommands.h"

#include <algorithm>

#include "app/DocumentSlides.h"
#include "app/MiradoDoc.h"
#include "app/ResultDlg.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/Records.h"
#include "editor/CommandRegistry.h"
#include "render/gdi/Color.h"
#include "show/ShowDlg.h"

namespace {

BellSetting Bell(std::uint16_t kind, std::uint16_t time) { return {kind, time}; }

}  // namespace

ShowSettings ShowSettingsFromHeader(const DocHeader& header) {
  ShowSettings s;
  const int count = std::min<int>(header.SlideCount, kMaxSlides);
  s.curSlide = header.CurSlide;
  s.slideSize = QSize(header.SlideW, header.SlideH);
  s.switchTime.assign(header.SwitchTime, header.SwitchTime + count);
  s.transition.assign(header.Transition, header.Transition + count);
  s.menuMode = header.MenuMode;
  s.endText = QByteArray(header.EndText, static_cast<qsizetype>(sizeof header.EndText));
  s.bell1 = Bell(header.Bell1Kind, header.Bell1Time);
  s.bell2 = Bell(header.Bell2Kind, header.Bell2Time);
  s.repeatOnce = header.RepeatOnce;
  s.showClock = header.ShowClock;
  s.noEnlarge = header.NoEnlarge;
  return s;
}

QColor ShowPenColour() {
  const COLORREF c = GetColor("Last", "refPointer", kDefaultPenColour);
  return gdi::ToQColor(c < 0 ? kDefaultPenColour : c);
}

void RunDocumentShow(EditPath& edits, ShowMode mode, QWidget* owner) {
  DocumentSlides slides(edits.Doc());
  ShowSettings settings = ShowSettingsFromHeader(edits.Doc().Header());
  settings.penColour = ShowPenColour();
  const auto results = [&edits, mode](const std::vector<int>& times, QWidget* over) {
    RunResults(edits, mode, times, over);
  };
  const Result<void> shown = RunShow(settings, mode, slides, owner, results);
  if (!shown) ShowFailure(shown.error(), owner);
}

bool RunFileShow(const QString& path, ShowMode mode) {
  Document doc;
  CMiradoDoc file(doc);
  if (!file.OpenDocument(path, nullptr)) return false;
  RunDocumentShow(file.Edits(), mode, nullptr);
  if (!file.IsModified()) return true;
  return file.SaveDocument(file.PathName(), nullptr);
}

void RegisterShowCommands(CommandRegistry& commands, EditPath& edits, QWidget* owner) {
  const struct {
    int id;
    const char* name;
    const char* label;
    ShowMode mode;
  } table[] = {
      {ID_HONBAN_MODE, "ID_HONBAN_MODE", "本番開始(&H)", ShowMode::Production},
      {ID_DURING_MODE, "ID_DURING_MODE", "現在のスライドから本番開始(&D)",
       ShowMode::ProductionFromCurrent},
      {ID_GET_TIME_MODE, "ID_GET_TIME_MODE", "リハーサル(時間計測)(&G)",
       ShowMode::RehearsalMeasure},
      {ID_TIME_CHANGE_MODE, "ID_TIME_CHANGE_MODE", "リハーサル(自動切替え)(&C)",
       ShowMode::RehearsalAuto},
      {ID_AUTO_SETTEI, "ID_AUTO_SETTEI", "自動切替え時間の設定(&T)...", ShowMode::ResultsOnly},
  };
  for (const auto& row : table) {
    const ShowMode mode = row.mode;
    commands.Add({row.id, row.name, QString::fromUtf8(row.label),
                  [&edits, mode, owner] { RunDocumentShow(edits, mode, owner); }, {}});
  }
}
