#include "app/MiradoApp.h"

#include <future>

#include "app/CommandLine.h"
#include "app/RecentFiles.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/container/WorkFolder.h"
#include "editor/MiradoView.h"

CMiradoApp::CMiradoApp() = default;

CMiradoApp::~CMiradoApp() {
  frame_.reset();
  DeleteClipboardFile();
  if (doc_) doc_->ClearPictures();
}

bool CMiradoApp::InitInstance(const CommandLine& cl, FileDialogs dialogs) {
  doc_ = std::make_unique<Document>();
  miradoDoc_ = std::make_unique<CMiradoDoc>(*doc_);

  // The file is read on a worker while the window is being built.
  std::future<Result<Document>> reading;
  if (!cl.document.isEmpty())
    reading = std::async(std::launch::async, [path = cl.document, dpi = doc_->Dpi()] { return ReadDocumentFile(path, dpi); });
  frame_ = std::make_unique<MainWindow>(*miradoDoc_, std::move(dialogs));
  if (reading.valid()) {
    if (!miradoDoc_->AdoptDocument(cl.document, reading.get(), nullptr)) return false;
    // The settings write waits until the window is on the screen.
    frame_->AfterFirstPaint([path = miradoDoc_->PathName()] { AddRecentFile(path); });
  } else {
    miradoDoc_->NewDocument();
  }
  frame_->UpdateTitle();
  frame_->show();

  if (const Result<QString> work = GetWorkFolder(); !work) {
    ShowFailure(work.error(), frame_.get());
    return false;
  }
  DeleteClipboardFile();

  playAnime = GetInt(sys::PlayAnime);
  speedAnime = GetInt(sys::SpeedAnime);
  dspGuide = GetInt(sys::DspGuide);
  frame_->View()->SetGuideOn(dspGuide != 0);
  frame_->View()->SetHoverAnimation(playAnime, speedAnime);
  frame_->SetAnimeGuide([this] { return AnimeGuide{playAnime, speedAnime, dspGuide}; },
                        [this](const AnimeGuide& kept) {
                          playAnime = kept.playAnime;
                          speedAnime = kept.speedAnime;
                          dspGuide = kept.dspGuide;
                        });

  if (cl.document.isEmpty() && GetInt(sys::FirstOpen) == 1) {
    const QString last = GetText("Recent File List", "File1", QString());
    if (!last.isEmpty()) frame_->OpenFile(last);
  }
  return true;
}

const PrinterDefaults& CMiradoApp::Printer() {
  // No default printer is normal here; printing reports it when asked.
  if (!printer_) printer_ = ReadPrinterDefaults();
  return *printer_;
}

void CMiradoApp::ExitInstance() {
  SettingsBatch store;
  store.WriteInt(sys::PlayAnime, playAnime);
  store.WriteInt(sys::SpeedAnime, speedAnime);
  store.WriteInt(sys::DspGuide, dspGuide);
  DeleteOwnWorkFiles();
}
