// The program's command line.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
  bool help = false;
  bool version = false;
  bool info = false;   // --info FILE: print a summary of the document
  bool show = false;   // --show FILE: run the show at once, without the main window
  bool rehearse = false;  // --rehearse FILE: the measuring rehearsal, its results, a save
  bool quitAfterPaint = false;  // --quit-after-paint: end once the main window has painted
  QString saveAsPath;  // --save-as OUT IN: open IN and save it as OUT
  int renderSlide = 0;  // --render-slide N (1-based) --zoom Z --out FILE.png IN
  float zoom = 1.0f;
  QString outPath;
  QString makeSamplePath;  // --make-sample OUT: write the sample presentation
  QString exportImagesDir;  // --export-images DIR [--format F] [--zoom Z] IN
  QString imageFormat = "jpeg";
  QString exportPdfPath;    // --export-pdf OUT [--slide N] [--zoom Z] IN
  int slide = 0;            // --slide N (1-based); 0: every slide
  QString printToPath;      // --print-to OUT.pdf [--per-sheet N] [--frame] [--numbers] IN
  bool print = false;       // --print [--printer NAME] IN: on a printer
  QString printerName;      // empty: the default printer
  int perSheet = 0;         // 1, 2 or 6; 0: as stored
  int frame = -1;           // --frame 1, --no-frame 0, -1: as stored
  int numbers = -1;         // --numbers 1, --no-numbers 0, -1: printed
  QString packagePath;      // --package OUT IN: write a self-running show
  QString error;       // set when the arguments cannot be understood
  QString document;    // the .tvl file to open

  // Options that work without a window.
  bool Batch() const {
    return help || version || info || !saveAsPath.isEmpty() || renderSlide > 0 ||
           !makeSamplePath.isEmpty() || Export() || !error.isEmpty();
  }
  bool Export() const {
    return !exportImagesDir.isEmpty() || !exportPdfPath.isEmpty() || Print() || !packagePath.isEmpty();
  }
  bool Print() const { return print || !printToPath.isEmpty(); }
  // Batch options that draw text, so need fonts.
  bool NeedsFonts() const { return renderSlide > 0 || !makeSamplePath.isEmpty() || Export(); }
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString HelpText();
QString VersionText();
