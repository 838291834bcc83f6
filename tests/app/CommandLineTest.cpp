#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ReadsOptionsAndOneDocument) {
  EXPECT_TRUE(ParseCommandLine({"Tessaly", "--help"}).help);
  EXPECT_TRUE(ParseCommandLine({"Tessaly", "-v"}).version);
  const CommandLine open = ParseCommandLine({"Tessaly", "/home/u/発表.tvl"});
  EXPECT_EQ(open.document, QString::fromUtf8("/home/u/発表.tvl"));
  EXPECT_TRUE(open.error.isEmpty());
  EXPECT_TRUE(ParseCommandLine({"Tessaly"}).document.isEmpty());
}

TEST(CommandLine, RefusesUnknownOptionsAndASecondDocument) {
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--frobnicate"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "a.tvl", "b.tvl"}).error.isEmpty());
}

TEST(CommandLine, MakeSampleTakesAnOutputAndNoDocument) {
  const CommandLine sample = ParseCommandLine({"Tessaly", "--make-sample", "out.tvl"});
  EXPECT_EQ(sample.makeSamplePath, "out.tvl");
  EXPECT_TRUE(sample.error.isEmpty());
  EXPECT_TRUE(sample.Batch());
  EXPECT_TRUE(sample.NeedsFonts());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample", "out.tvl", "in.tvl"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample", "out.tvl", "--info", "in.tvl"}).error.isEmpty());
}

TEST(CommandLine, RehearseTakesOneDocumentAndNeedsTheWindowSystem) {
  const CommandLine rehearse = ParseCommandLine({"Tessaly", "--rehearse", "talk.tvl"});
  EXPECT_TRUE(rehearse.rehearse);
  EXPECT_EQ(rehearse.document, "talk.tvl");
  EXPECT_TRUE(rehearse.error.isEmpty());
  EXPECT_FALSE(rehearse.Batch());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--rehearse"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--rehearse", "--show", "talk.tvl"}).error.isEmpty());
}

TEST(CommandLine, ExportOptionsTakeTheirValuesAndADocument) {
  const CommandLine images =
      ParseCommandLine({"Tessaly", "--export-images", "out", "--format", "tiff", "--zoom", "2", "in.tvl"});
  EXPECT_TRUE(images.error.isEmpty()) << images.error.toStdString();
  EXPECT_EQ(images.exportImagesDir, "out");
  EXPECT_EQ(images.imageFormat, "tiff");
  EXPECT_EQ(images.zoom, 2.0f);
  EXPECT_TRUE(images.Batch());
  EXPECT_TRUE(images.NeedsFonts());
  EXPECT_EQ(ParseCommandLine({"Tessaly", "--export-images", "out", "in.tvl"}).imageFormat, "jpeg");

  const CommandLine pdf = ParseCommandLine({"Tessaly", "--export-pdf", "out.pdf", "--slide", "3", "in.tvl"});
  EXPECT_TRUE(pdf.error.isEmpty()) << pdf.error.toStdString();
  EXPECT_EQ(pdf.exportPdfPath, "out.pdf");
  EXPECT_EQ(pdf.slide, 3);
  EXPECT_EQ(pdf.zoom, 1.0f);

  const CommandLine package = ParseCommandLine({"Tessaly", "--package", "talk.run", "in.tvl"});
  EXPECT_TRUE(package.error.isEmpty()) << package.error.toStdString();
  EXPECT_EQ(package.packagePath, "talk.run");
  EXPECT_EQ(package.document, "in.tvl");
  EXPECT_TRUE(package.Batch() && package.NeedsFonts());

  const QStringList refused[] = {
      {"--export-images", "out"},                                    // no document
      {"--export-images"},                                           // no folder
      {"--export-pdf", "", "in.tvl"},                                // empty path
      {"--export-images", "out", "--format", "webp", "in.tvl"},      // not a format we write
      {"--export-images", "out", "--format", "JPEG", "in.tvl"},      // names are lower case
      {"--export-pdf", "out.pdf", "--format", "png", "in.tvl"},      // --format is for images
      {"--export-images", "out", "--slide", "2", "in.tvl"},          // --slide is for the PDF
      {"--export-pdf", "out.pdf", "--slide", "0", "in.tvl"},
      {"--export-pdf", "out.pdf", "--slide", "two", "in.tvl"},
      {"--export-pdf", "out.pdf", "--zoom", "0", "in.tvl"},
      {"--export-pdf", "out.pdf", "--export-images", "out", "in.tvl"},
      {"--export-pdf", "out.pdf", "--info", "in.tvl"},
      {"--package", "talk.run"},                                     // no document
      {"--package", "talk.run", "--export-pdf", "out.pdf", "in.tvl"},
  };
  for (const QStringList& args : refused)
    EXPECT_FALSE(ParseCommandLine(QStringList{"Tessaly"} + args).error.isEmpty()) << args.join(' ').toStdString();
}

TEST(CommandLine, PrintOptionsTakeTheirValuesAndADocument) {
  const CommandLine to = ParseCommandLine({"Tessaly", "--print-to", "out.pdf", "--per-sheet", "6", "--no-frame", "in.tvl"});
  EXPECT_TRUE(to.error.isEmpty()) << to.error.toStdString();
  EXPECT_EQ(to.printToPath, "out.pdf");
  EXPECT_EQ(to.perSheet, 6);
  EXPECT_EQ(to.frame, 0);
  EXPECT_EQ(to.numbers, -1);  // as the dialog prints: with numbers
  EXPECT_TRUE(to.Batch() && to.Print() && to.NeedsFonts());
  const CommandLine print = ParseCommandLine({"Tessaly", "--print", "--printer", "Office", "--numbers", "in.tvl"});
  EXPECT_TRUE(print.error.isEmpty()) << print.error.toStdString();
  EXPECT_TRUE(print.print);
  EXPECT_EQ(print.printerName, "Office");
  EXPECT_EQ(print.numbers, 1);
  EXPECT_EQ(print.perSheet, 0);  // as stored

  const QStringList refused[] = {
      {"--print-to", "out.pdf"},                                // no document
      {"--print-to", "", "in.tvl"},                             // empty path
      {"--print-to", "out.pdf", "--per-sheet", "4", "in.tvl"},  // 1, 2 or 6 only
      {"--print-to", "out.pdf", "--per-sheet", "in.tvl"},
      {"--export-pdf", "out.pdf", "--per-sheet", "2", "in.tvl"},  // sheets are for printing
      {"--frame", "in.tvl"},
      {"--print-to", "out.pdf", "--printer", "Office", "in.tvl"},  // a printer is for --print
      {"--print-to", "out.pdf", "--print", "in.tvl"},
      {"--print", "--export-pdf", "out.pdf", "in.tvl"},
  };
  for (const QStringList& args : refused)
    EXPECT_FALSE(ParseCommandLine(QStringList{"Tessaly"} + args).error.isEmpty()) << args.join(' ').toStdString();
}

}  // namespace
