#include "app/ShowCommands.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/Records.h"
#include "editor/CommandRegistry.h"
#include "render/SlideRenderer.h"
#include "render/gdi/Color.h"
#include "render/gdi/Dc.h"
#include "show/ShowDlg.h"
#include "show/SlideSource.h"

namespace {

// The document's slides drawn as every outside caller draws them: at the
// show's own scale with a white frame.
class DocumentSlides : public SlideSource {
 public:
  explicit DocumentSlides(const Document& doc) : doc_(doc) {}
  int SlideCount() const override { return std::min<int>(doc_.Header().SlideCount, kMaxSlides); }
  bool RenderSlide(int index, float scale, QImage& target) override {
    target.fill(Qt::white);
    gdi::Dc dc(target);
    (void)DrawSlide(dc, doc_, RenderContext::Outside(index, scale));  // left out what cannot be drawn
    return true;
  }

 private:
  const Document& doc_;
};

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

void RunDocumentShow(const Document& doc, ShowMode mode, QWidget* owner) {
  DocumentSlides slides(doc);
  ShowSettings settings = ShowSettingsFromHeader(doc.Header());
  settings.penColour = ShowPenColour();
  const Result<void> shown = RunShow(settings, mode, slides, owner);
  if (!shown) ShowFailure(shown.error(), owner);
}

void RegisterShowCommands(CommandRegistry& commands, std::function<const Document&()> document,
                          QWidget* owner) {
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
  };
  for (const auto& row : table) {
    const ShowMode mode = row.mode;
    commands.Add({row.id, row.name, QString::fromUtf8(row.label),
                  [document, mode, owner] { RunDocumentShow(document(), mode, owner); }, {}});
  }
}
