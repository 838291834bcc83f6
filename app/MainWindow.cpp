#include "app/MainWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/GradeDlg.h"
#include "app/InCharDlg.h"
#include "app/InsertMenu.h"
#include "app/MainRibbon.h"
#include "app/MiradoDoc.h"
#include "app/MySplitterWnd.h"
#include "app/PageDlg.h"
#include "app/PointDlg.h"
#include "app/RecentFiles.h"
#include "app/Shortcuts.h"
#include "app/ShellDialogs.h"
#include "app/ShowSet.h"
#include "app/ShowCommands.h"
#include "app/TextDlg.h"
#include "app/ViewStatusBar.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "editor/EditCommands.h"
#include "editor/FlipTurn.h"
#include "editor/MiradoView.h"
#include "editor/PageMenu.h"
#include "editor/PageView.h"
#include "editor/UndoRedo.h"
#include "render/gdi/Color.h"

namespace {

const char kFilter[] = "Tessaly Files (*.tvl)";

QString StartFolder() { return QFileInfo(GetText("Last", "FilePath", QString())).path(); }

PageViewHooks SlideListHooks(QWidget* owner) {
  PageViewHooks hooks;
  hooks.ask = [owner](int id) { return ShowMessage(id, owner, QString(), MsgStyle::YesNo) == IDYES; };
  hooks.failed = [owner](const Failure& failure) { ShowFailure(failure, owner); };
  hooks.chooseColor = [owner](COLORREF current) -> std::optional<COLORREF> {
    const QColor colour = QColorDialog::getColor(gdi::ToQColor(current), owner);
    if (!colour.isValid()) return std::nullopt;
    return gdi::Rgb(colour.red(), colour.green(), colour.blue());
  };
  return hooks;
}

// The view drops dragged objects on the slide whose thumbnail lies under the
// pointer; the list redraws the thumbnails whose objects changed by itself.
ViewHooks EditingViewHooks(const CPageView* pages, const EditPath& edits, QWidget* owner) {
  ViewHooks hooks;
  hooks.slideAt = [pages, &edits](QPoint global) {
    SlideDrop drop;
    const std::optional<QPoint> at = pages->SlidePointAtGlobal(global);
    if (!at) return drop;
    const DocHeader& h = edits.Doc().Header();
    drop.slide = pages->SlideAtGlobal(global);
    drop.relative = QPointF(static_cast<double>(at->x()) / std::max<int>(h.SlideW, 1),
                            static_cast<double>(at->y()) / std::max<int>(h.SlideH, 1));
    return drop;
  };
  hooks.askFreeSlideSize = [owner] { return ShowMessage(msg::AskFreeSlideSize, owner, {}, MsgStyle::YesNo) == IDYES; };
  return hooks;
}

EditDialogs EditingDialogs(QMainWindow* owner) {
  EditDialogs d;
  d.ask = [owner](int id, MsgStyle style) { return ShowMessage(id, owner, QString(), style); };
  d.failed = [owner](const Failure& failure) { ShowFailure(failure, owner); };
  d.editText = [owner](const QString& text, int limit) { return CTextDlg::Ask(owner, text, limit); };
  d.chooseColor = SlideListHooks(owner).chooseColor;
  d.askPoint = [owner](QPoint at, QSize slide) { return CPointDlg::Ask(owner, at, slide); };
  d.note = [owner](const QString& text, int ms) { owner->statusBar()->showMessage(text, ms); };
  d.clipboard = [] { return QGuiApplication::clipboard(); };
  return d;
}

AnimeGuide StoredAnimeGuide() {
  return {GetInt(sys::PlayAnime), GetInt(sys::SpeedAnime), GetInt(sys::DspGuide)};
}

// Runs `then` once, soon after `widget` has first painted.
class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget* widget, std::function<void()> then) : QObject(widget), then_(std::move(then)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      QTimer::singleShot(0, watched, std::move(then_));
      then_ = nullptr;
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

FileDialogs FileDialogs::Standard() {
  FileDialogs d;
  d.open = [](QWidget* owner) {
    return QFileDialog::getOpenFileName(owner, QString::fromUtf8("開く"), StartFolder(), kFilter);
  };
  d.saveAs = [](QWidget* owner, const QString& suggested) {
    return QFileDialog::getSaveFileName(owner, QString::fromUtf8("名前を付けて保存"), suggested,
                                        kFilter);
  };
  d.openPicture = [images = d.images](QWidget* owner) {
    return images.openPicture(owner, QString::fromUtf8("追加するイメージを指定"));
  };
  return d;
}

MainWindow::MainWindow(CMiradoDoc& doc, FileDialogs dialogs, QWidget* parent)
    : QMainWindow(parent), doc_(doc), dialogs_(std::move(dialogs)) {
  view_ = new CMiradoView(doc_.Edits(), commands_, this);
  pages_ = new CPageView(doc_.Edits(), commands_, SlideListHooks(this), this);
  splitter_ = new CMySplitterWnd(view_, pages_, this);
  auto* central = new QWidget(this);
  auto* rows = new QVBoxLayout(central);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  rows->addWidget(splitter_, 1);
  setCentralWidget(central);
  images_ = std::make_unique<ImageCommands>(doc_, *view_, commands_, dialogs_.images, this);
  ViewHooks hooks = EditingViewHooks(pages_, doc_.Edits(), this);
  images_->Hook(hooks);
  view_->SetHooks(std::move(hooks));
  InstallViewStatusBar(*this, *view_);
  connect(pages_, &CPageView::GuideChanged, this, [this](const QString& text) { statusBar()->showMessage(text); });
  connect(splitter_, &CMySplitterWnd::Note, this, [this](const QString& text) { statusBar()->showMessage(text, 500); });
  undo_ = std::make_unique<UndoRedo>(doc_.Edits(), commands_,
                                     [this](const Failure& failure) { ShowFailure(failure, this); });
  const auto showModified = [this] { setWindowModified(doc_.IsModified()); };
  connect(&doc_.Edits(), &EditPath::Changed, this, showModified);
  connect(&doc_.Edits(), &EditPath::Restored, this, showModified);
  // Not from inside the paint that failed.
  connect(view_, &CMiradoView::Failed, this, [this](const Failure& failure) {
    QTimer::singleShot(0, this, [this, failure] { ShowFailure(failure, this); });
  });
  EditDialogs editDialogs = EditingDialogs(this);
  // F2 turns the application's switch, which the settings dialog shows and the exit stores.
  editDialogs.guideChanged = [this](bool on) {
    if (!readGuide_ || !keepGuide_) return;
    AnimeGuide guide = readGuide_();
    guide.dspGuide = on ? 1 : 0;
    keepGuide_(guide);
  };
  editing_ = std::make_unique<EditCommands>(doc_.Edits(), *view_, commands_, std::move(editDialogs));
  editing_->DeferClipboardCheck();
  AfterFirstPaint([this] {
    editing_->RecheckClipboard();
    ribbon_->Widget().RefreshEnabled();
  });
  RegisterCommands();
  BuildRibbon(rows);
  InstallShortcuts(*this, commands_);
  InstallViewShortcuts(*view_, commands_);
  UpdateTitle();
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  // Wide enough for the whole ribbon where the screen allows.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const int ribbon = ribbon_->Widget().FullWidth();
  resize(std::min(ribbon, screen.width()), std::min(860, screen.height()));
}

MainWindow::~MainWindow() = default;

void MainWindow::AfterFirstPaint(std::function<void()> then) {
  new FirstPaintWatch(view_->viewport(), std::move(then));
}

void MainWindow::SetAnimeGuide(std::function<AnimeGuide()> read, std::function<void(const AnimeGuide&)> keep) {
  readGuide_ = std::move(read);
  keepGuide_ = std::move(keep);
}

void MainWindow::RegisterCommands() {
  const auto label = [](const char* utf8) { return QString::fromUtf8(utf8); };
  commands_.Add({ID_FILE_NEW, "ID_FILE_NEW", label("新規作成(&N)"), [this] { OnFileNew(); }, {}});
  commands_.Add({ID_FILE_OPEN, "ID_FILE_OPEN", label("開く(&O)..."), [this] { OnFileOpen(); }, {}});
  commands_.Add({ID_FILE_SAVE, "ID_FILE_SAVE", label("上書き保存(&S)"), [this] { OnFileSave(); }, {}});
  commands_.Add({ID_FILE_SAVE_AS, "ID_FILE_SAVE_AS", label("名前を付けて保存(&A)..."),
                 [this] { OnFileSaveAs(); }, {}});
  commands_.Add({ID_APP_EXIT, "ID_APP_EXIT", label("終了(&X)"), [this] { close(); }, {}});
  commands_.Add({ID_NEXT_SLIDE, "ID_NEXT_SLIDE", label("次のスライド(&N)"), [this] { view_->StepSlide(1); },
                 [this] { return doc_.Data().Header().CurSlide + 1 < doc_.Data().Header().SlideCount; }});
  commands_.Add({ID_PREV_SLIDE, "ID_PREV_SLIDE", label("前のスライド(&P)"), [this] { view_->StepSlide(-1); },
                 [this] { return doc_.Data().Header().CurSlide > 0; }});
  RegisterShowCommands(commands_, doc_.Edits(), this);
  commands_.Add({ID_SHOW_SETTEI, "ID_SHOW_SETTEI", label("スライドショーの設定(&S)..."),
                 [this] { EditShowSettings(doc_.Edits(), this); }, {}});
  RegisterInCharCommand(commands_, doc_.Edits(), [this] { return view_->Selection().primary; }, this);
  RegisterGradeCommand(commands_, doc_.Edits(), [this] { return view_->Selection().primary; }, this,
                       StandardColourPicker);
  RegisterExportCommands(commands_, doc_, dialogs_.exports, this);
  RegisterPageSizeCommand(commands_, doc_.Edits(), this);
  RegisterPrintCommand(commands_, doc_, dialogs_.print, this);
  RegisterSetAsDefault({doc_, *view_, commands_, dialogs_.openPicture, StandardFactoryDialogs(this), {}, this});
  RegisterShellDialogs(commands_,
                       {[this] { return readGuide_ ? readGuide_() : StoredAnimeGuide(); },
                        [this](const AnimeGuide& guide) {
                          if (keepGuide_) keepGuide_(guide);
                          view_->SetGuideOn(guide.dspGuide != 0);
                          view_->SetHoverAnimation(guide.playAnime, guide.speedAnime);
                        },
                        dialogs_.showFolder, QCoreApplication::applicationDirPath()},
                       this);
  for (int k = 0; k < kRecentFileCount; ++k) {
    const int id = ID_FILE_MRU_FILE1 + k;
    commands_.Add({id, "ID_FILE_MRU_FILE", QString(),
                   [this, k] {
                     const QStringList files = LoadRecentFiles();
                     if (k < files.size()) OpenFile(files[k]);
                   },
                   [k] { return k < LoadRecentFiles().size(); }});
  }
}

// Built last: the ribbon shows the commands registered by then.
void MainWindow::BuildRibbon(QVBoxLayout* rows) {
  RibbonHooks hooks;
  const InsertTarget target{doc_, *view_, commands_, dialogs_.openPicture, StandardFactoryDialogs(this), {}, this};
  hooks.insertObject = [target](int request) { InsertGalleryItem(target, request); };
  hooks.addRecentFiles = [this](QMenu* menu) {
    const QStringList files = LoadRecentFiles();
    for (int k = 0; k < files.size(); ++k) AddCommandAction(menu, ID_FILE_MRU_FILE1 + k, RecentFileMenuText(k + 1, files[k]));
  };
  hooks.moreColours = [this](COLORREF current) -> std::optional<COLORREF> {
    const QColor colour = QColorDialog::getColor(gdi::ToQColor(current == kNoColor ? 0xFFFFFF : current), this);
    if (!colour.isValid()) return std::nullopt;
    return gdi::Rgb(colour.red(), colour.green(), colour.blue());
  };
  ribbon_ = new MainRibbon(*this, doc_.Edits(), *view_, commands_, std::move(hooks));
  rows->insertWidget(0, &ribbon_->Widget());
}

// An action that runs command `id`, labelled with `text` or the command's own label.
QAction* MainWindow::AddCommandAction(QMenu* menu, int id, const QString& text) {
  QString label = text.isEmpty() ? commands_.Find(id)->label : text;
  if (const QString keys = ShortcutText(id); !keys.isEmpty()) label += '\t' + keys;
  QAction* action = menu->addAction(label);
  action->setEnabled(commands_.IsEnabled(id));
  connect(action, &QAction::triggered, this, [this, id] { commands_.Run(id); });
  return action;
}

void MainWindow::UpdateTitle() {
  view_->DocumentChanged();
  setWindowTitle(doc_.Title() + "[*] - " + AppTitle());
  setWindowModified(doc_.IsModified());
}

bool MainWindow::SaveModified() {
  if (!doc_.IsModified()) return true;
  switch (ShowMessage(IDP_ASK_TO_SAVE, this, doc_.Title(), MsgStyle::YesNoCancel)) {
    case IDYES: return OnFileSave();
    case IDNO: return true;
    default: return false;
  }
}

bool MainWindow::OpenFile(const QString& path) {
  if (!SaveModified()) return false;
  const bool ok = doc_.OpenDocument(path, this);
  if (ok) AddRecentFile(doc_.PathName());
  UpdateTitle();
  return ok;
}

void MainWindow::OnFileNew() {
  if (!SaveModified()) return;
  doc_.NewDocument();
  UpdateTitle();
}

void MainWindow::OnFileOpen() {
  const QString path = dialogs_.open(this);
  if (!path.isEmpty()) OpenFile(path);
}

bool MainWindow::OnFileSave() {
  if (doc_.PathName().isEmpty()) return OnFileSaveAs();
  const bool ok = doc_.SaveDocument(doc_.PathName(), this);
  UpdateTitle();
  return ok;
}

bool MainWindow::OnFileSaveAs() {
  const QString suggested = doc_.PathName().isEmpty()
                                ? QFileInfo(StartFolder(), doc_.Title() + ".tvl").filePath()
                                : doc_.PathName();
  QString path = dialogs_.saveAs(this, suggested);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += ".tvl";
  const bool ok = doc_.SaveDocument(path, this);
  if (ok) AddRecentFile(doc_.PathName());
  UpdateTitle();
  return ok;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!SaveModified()) {
    event->ignore();
    return;
  }
  splitter_->SaveTopHeight();
  event->accept();
}
