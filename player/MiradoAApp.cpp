#include "player/MiradoAApp.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "player/PlayerSlides.h"
#include "player/PlayerStrings.h"
#include "show/ShowDlg.h"
#include "show/sound/BellSounds.h"
#include "show/package/PlayerMessageIds.h"

namespace {

// Ends the show once its window has painted: start-up timing.
class DoneAfterPaint : public QObject {
 public:
  explicit DoneAfterPaint(QDialog& dialog) : dialog_(dialog) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, &dialog_, [this] { dialog_.done(QDialog::Accepted); });
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog& dialog_;
};

}  // namespace

CMiradoAApp::CMiradoAApp() = default;
CMiradoAApp::~CMiradoAApp() = default;

Result<void> CMiradoAApp::OpenPackage(const QString& path) {
  file_.setFileName(path);
  if (!file_.open(QIODevice::ReadOnly)) return Failure(playermsg::OpenFailed);
  const qint64 size = file_.size();
  // Too short for a trailer: a file of this kind cannot be a package.
  if (size < kPackageTrailerSize) return Failure(playermsg::RunAlone);
  map_ = file_.map(0, size);
  if (!map_) return Failure(playermsg::OpenFailed);
  Result<ShowPackage> read = ReadShowPackage(QByteArrayView(map_, size));
  if (!read) return read.error();
  package_ = std::move(*read);
  std::vector<QByteArrayView> jpegs;
  for (const PackageSlide& slide : package_.slides) jpegs.push_back(slide.jpeg);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int dpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
  const int dpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
  slides_ = std::make_unique<PlayerSlides>(std::move(jpegs), package_.show.noEnlarge, dpiX, dpiY);
  return {};
}

ShowSettings CMiradoAApp::Settings() const {
  ShowSettings s;
  for (const PackageSlide& slide : package_.slides) {
    s.switchTime.push_back(slide.time);
    s.transition.push_back(slide.pattern);
  }
  s.menuMode = static_cast<int>(package_.show.menuMode);
  s.endText = package_.show.endText;
  s.repeatOnce = static_cast<int>(package_.show.repeatOnce);
  s.noEnlarge = package_.show.noEnlarge ? 1 : 0;
  s.penColour = QColor(255, 130, 0);  // the player has no pen colour setting
  s.player = true;
  s.autoSwitch = package_.show.autoSwitch;
  return s;
}

int CMiradoAApp::Run(const QString& path, bool quitAfterPaint) {
  if (const Result<void> opened = OpenPackage(path); !opened) {
    ShowPlayerFailure(opened.error());
    return 1;
  }
  // Such slides are shown black.
  if (!slides_->UnreadableSlides().empty()) ShowPlayerFailure(Failure(playermsg::ImageTypeRefused));
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  BellSounds bells;  // a package carries no modules, so the sounds are built in
  CShowDlg dlg(Settings(), ShowMode::Production, *slides_, nullptr, nullptr, &bells);
  DoneAfterPaint done(dlg);
  if (quitAfterPaint) dlg.installEventFilter(&done);
  if (const Result<void> started = dlg.Start(screen->geometry()); !started) {
    ShowPlayerFailure(started.error());
    return 1;
  }
  dlg.exec();
  return 0;
}
