// The manual built beside the program: a sound PDF whose pages carry its title
// and every chapter, and F1 in the main window shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "MessageRecorder.h"
#include "ModalScript.h"
#include "SettingsReset.h"
#include "app/ManualViewer.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "core/Document.h"

namespace {

QString Qpdf(const QStringList& args) {
  QProcess qpdf;
  qpdf.start(QPDF_TOOL, args);
  EXPECT_TRUE(qpdf.waitForFinished());
  EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardError().toStdString();
  return QString::fromUtf8(qpdf.readAllStandardOutput()).trimmed();
}

// The first-level headings of the manual's pages, in order.
QStringList ChapterTitles() {
  QStringList titles;
  const QDir pages(MANUAL_PAGES);
  for (const QString& name : pages.entryList({"[0-9][0-9]-*.md"}, QDir::Files, QDir::Name)) {
    QFile page(pages.filePath(name));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly));
    for (const QString& line : QString::fromUtf8(page.readAll()).split('\n'))
      if (line.startsWith("# ")) titles << line.mid(2).trimmed();
  }
  return titles;
}

QString AllText(QPdfDocument& pdf) {
  QString text;
  for (int page = 0; page < pdf.pageCount(); ++page) text += pdf.getAllText(page).text() + '\n';
  return text.remove(QRegularExpression("\\s"));  // lines break wherever the layout put them
}

TEST(ManualTest, IsASoundPdfWithItsTitleAndEveryChapter) {
  EXPECT_TRUE(Qpdf({"--check", MANUAL_PDF}).contains("No syntax or stream encoding errors"));
  const QStringList chapters = ChapterTitles();
  ASSERT_GE(chapters.size(), 10);
  // Each chapter starts a page of its own.
  EXPECT_GE(Qpdf({"--show-npages", MANUAL_PDF}).toInt(), chapters.size());

  QPdfDocument pdf;
  ASSERT_EQ(pdf.load(MANUAL_PDF), QPdfDocument::Error::None);
  EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(), QString::fromUtf8("Tessaly マニュアル"));
  EXPECT_TRUE(pdf.getAllText(0).text().contains(QString::fromUtf8("Tessaly マニュアル")));
  const QString text = AllText(pdf);
  for (QString title : chapters) EXPECT_TRUE(text.contains(title.remove(' '))) << title.toStdString();
}

TEST(ManualTest, F1InTheMainWindowShowsTheManualBesideTheProgram) {
  support::ClearSettings();
  MessageRecorder messages;
  Document doc;
  CMiradoDoc file(doc);
  MainWindow window(file);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  int pages = 0;
  ModalScript script({ModalScript::On<QDialog>([&](QDialog& viewer) {
    EXPECT_EQ(viewer.objectName(), "CHelpDlg");
    pages = viewer.findChild<QPdfDocument*>()->pageCount();
    viewer.accept();
  })});
  QTest::keyClick(&window, Qt::Key_F1);
  EXPECT_TRUE(script.Done());
  EXPECT_GE(pages, 10);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
