#include "app/CommandLine.h"

#include <algorithm>

namespace {

const QStringList kImageFormats{"jpeg", "gif", "bmp", "png", "tiff"};
const QStringList kSheetOptions{"--per-sheet", "--frame", "--no-frame", "--numbers", "--no-numbers"};

// The printing options; false when `a` is none of them.
bool ParsePrintOption(const QStringList& arguments, qsizetype& i, CommandLine& cl) {
  const QString& a = arguments[i];
  const auto value = [&] { return i + 1 < arguments.size() ? arguments[++i] : QString(); };
  if (a == "--print") {
    cl.print = true;
  } else if (a == "--print-to" || a == "--printer") {
    QString& target = a == "--print-to" ? cl.printToPath : cl.printerName;
    target = value();
    if (target.isEmpty()) cl.error = QString("%1 needs a value").arg(a);
  } else if (a == "--per-sheet") {
    cl.perSheet = value().toInt();
    if (cl.perSheet != 1 && cl.perSheet != 2 && cl.perSheet != 6) cl.error = "--per-sheet needs 1, 2 or 6";
  } else if (a == "--frame" || a == "--no-frame") {
    cl.frame = a == "--frame";
  } else if (a == "--numbers" || a == "--no-numbers") {
    cl.numbers = a == "--numbers";
  } else {
    return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version" || a == "-v") {
      cl.version = true;
    } else if (a == "--info") {
      cl.info = true;
    } else if (a == "--show") {
      cl.show = true;
    } else if (a == "--rehearse") {
      cl.rehearse = true;
    } else if (a == "--quit-after-paint") {
      cl.quitAfterPaint = true;
    } else if (a == "--save-as") {
      if (i + 1 >= arguments.size()) cl.error = "--save-as needs the path to save to";
      else cl.saveAsPath = arguments[++i];
    } else if (a == "--make-sample") {
      if (i + 1 >= arguments.size()) cl.error = "--make-sample needs the path to write";
      else cl.makeSamplePath = arguments[++i];
    } else if (a == "--export-images" || a == "--export-pdf" || a == "--package") {
      QString& target = a == "--export-images" ? cl.exportImagesDir
                        : a == "--export-pdf"  ? cl.exportPdfPath
                                               : cl.packagePath;
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
        cl.error = QString("%1 needs the path to write").arg(a);
      else target = arguments[++i];
    } else if (a == "--format") {
      cl.imageFormat = i + 1 < arguments.size() ? arguments[++i] : QString();
      if (!kImageFormats.contains(cl.imageFormat))
        cl.error = QString("--format needs one of %1").arg(kImageFormats.join('|'));
    } else if (a == "--slide") {
      bool ok = false;
      cl.slide = i + 1 < arguments.size() ? arguments[++i].toInt(&ok) : 0;
      if (!ok || cl.slide < 1) cl.error = "--slide needs a slide number from 1";
    } else if (a == "--render-slide" || a == "--zoom" || a == "--out") {
      const QString value = i + 1 < arguments.size() ? arguments[++i] : QString();
      bool ok = !value.isEmpty();
      if (a == "--render-slide") cl.renderSlide = value.toInt(&ok);
      else if (a == "--zoom") cl.zoom = value.toFloat(&ok);
      else cl.outPath = value;
      if (!ok || (a == "--render-slide" && cl.renderSlide < 1) || (a == "--zoom" && !(cl.zoom > 0 && cl.zoom <= 16)))
        cl.error = QString("%1 needs a valid value").arg(a);
    } else if (ParsePrintOption(arguments, i, cl)) {
    } else if (a.startsWith('-')) {
      cl.error = QString("unknown option: %1").arg(a);
    } else if (cl.document.isEmpty()) {
      cl.document = a;
    } else {
      cl.error = QString("only one document can be opened: %1").arg(a);
    }
  }
  const int documentModes = cl.info + cl.show + cl.rehearse + !cl.saveAsPath.isEmpty() +
                            (cl.renderSlide > 0) + !cl.exportImagesDir.isEmpty() +
                            !cl.exportPdfPath.isEmpty() + cl.print + !cl.printToPath.isEmpty() +
                            !cl.packagePath.isEmpty();
  const bool sample = !cl.makeSamplePath.isEmpty();
  if (cl.error.isEmpty() && documentModes > 0 && cl.document.isEmpty())
    cl.error = "this option needs a document: FILE.tvl";
  if (cl.error.isEmpty() && documentModes + sample > 1)
    cl.error = "--info, --show, --rehearse, --save-as, --render-slide, --export-images, --export-pdf, "
               "--print-to, --print, --package and --make-sample cannot be used together";
  if (cl.error.isEmpty() && sample && !cl.document.isEmpty())
    cl.error = "--make-sample opens no document";
  if (cl.error.isEmpty() && cl.renderSlide > 0 && cl.outPath.isEmpty())
    cl.error = "--render-slide needs --out FILE.png";
  if (cl.error.isEmpty() && arguments.contains("--format") && cl.exportImagesDir.isEmpty())
    cl.error = "--format goes with --export-images";
  if (cl.error.isEmpty() && cl.slide > 0 && cl.exportPdfPath.isEmpty())
    cl.error = "--slide goes with --export-pdf";
  const bool sheetOption = std::any_of(kSheetOptions.begin(), kSheetOptions.end(),
                                       [&](const QString& o) { return arguments.contains(o); });
  if (cl.error.isEmpty() && sheetOption && !cl.Print())
    cl.error = "--per-sheet, --frame and --numbers go with --print-to or --print";
  if (cl.error.isEmpty() && !cl.printerName.isEmpty() && !cl.print)
    cl.error = "--printer goes with --print";
  return cl;
}

QString HelpText() {
  return QStringLiteral(
      "Usage: Tessaly [FILE.tvl]\n"
      "       Tessaly --show FILE.tvl\n"
      "       Tessaly --rehearse FILE.tvl\n"
      "       Tessaly --info FILE.tvl\n"
      "       Tessaly --save-as OUT.tvl IN.tvl\n"
      "       Tessaly --render-slide N [--zoom Z] --out FILE.png IN.tvl\n"
      "       Tessaly --export-images DIR [--format jpeg|gif|bmp|png|tiff] [--zoom Z] IN.tvl\n"
      "       Tessaly --export-pdf OUT.pdf [--slide N] [--zoom Z] IN.tvl\n"
      "       Tessaly --print-to OUT.pdf [--per-sheet 1|2|6] [--frame] [--numbers] IN.tvl\n"
      "       Tessaly --print [--printer NAME] [--per-sheet 1|2|6] IN.tvl\n"
      "       Tessaly --package OUT IN.tvl\n"
      "       Tessaly --make-sample OUT.tvl\n"
      "\n"
      "Slide-show authoring. With a file, opens it; without, starts a new document.\n"
      "\n"
      "  --show FILE.tvl          run the show of the document at once; the program\n"
      "                           ends with the show\n"
      "  --rehearse FILE.tvl      run the timing rehearsal, then show its results;\n"
      "                           times kept there are saved to the file (with the\n"
      "                           backup rule of a normal save)\n"
      "  --quit-after-paint       print \"painted\" and end as soon as the main window\n"
      "                           has painted once (for timing the start-up)\n"
      "  --print FILE.tvl         print every slide on the default printer, or on\n"
      "  --printer NAME           the printer NAME, with the --print-to options\n"
      "\n"
      "Options that need no display:\n"
      "  --info FILE.tvl          print a JSON summary of the document\n"
      "  --save-as OUT.tvl IN.tvl open IN and save it as OUT (as the current version,\n"
      "                           with the backup rule of a normal save)\n"
      "  --render-slide N         render slide N (from 1) as a PNG file, as a show or\n"
      "  --zoom Z                 an export would draw it, at zoom Z (default 1)\n"
      "  --out FILE.png           where --render-slide writes\n"
      "  --export-images DIR      save every slide as an image file in DIR (made when\n"
      "                           missing): Slide01.jpeg, Slide02.jpeg, ...\n"
      "  --format F               the image format: jpeg (default), gif, bmp, png, tiff\n"
      "  --export-pdf OUT.pdf     save every slide, or only slide N with --slide N,\n"
      "                           as one PDF file\n"
      "                           --zoom Z draws images and PDF pages Z times larger\n"
      "                           (default 1, the designed size; PDF pages keep their\n"
      "                           size and become sharper)\n"
      "  --print-to OUT.pdf       print every slide into a PDF file, laid out as the\n"
      "                           print dialog lays them out (its stored margins,\n"
      "                           order and frame where no option says otherwise)\n"
      "  --per-sheet N            1, 2 or 6 slides per sheet\n"
      "  --frame, --no-frame      a frame around each slide, or none\n"
      "  --numbers, --no-numbers  each slide's number below it (the default), or none\n"
      "  --package OUT            write a self-running show: a program that runs the\n"
      "                           show on a machine without Tessaly (Tavorun.dll\n"
      "                           beside Tessaly is its player)\n"
      "  --make-sample OUT.tvl    write the sample presentation\n"
      "  -h, --help               show this help and exit\n"
      "  -v, --version            show the version and exit\n");
}

QString VersionText() {
  return QString("Tessaly %1\n").arg(TESSALY_VERSION);
}
