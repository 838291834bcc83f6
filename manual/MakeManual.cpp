// Turns the manual's Markdown pages into one PDF file: each chapter starts a
// page, pictures are fitted to the text width, tables get grid lines.
// Usage: MakeManual OUT.pdf PICTURE_ROOT PAGE.md...
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cstdio>

namespace {

constexpr double kMaxPictureWidth = 560;  // document pixels, inside the A4 text width

bool Fail(const QString& why) {
  std::fprintf(stderr, "MakeManual: %s\n", qPrintable(why));
  return false;
}

// Every picture the pages name, loaded from `root` and kept as a resource.
bool AddPictures(QTextDocument& doc, const QString& markdown, const QString& root) {
  static const QRegularExpression picture(QStringLiteral(R"(!\[[^\]]*\]\(([^)\s]+)\))"));
  for (const QRegularExpressionMatch& m : picture.globalMatch(markdown)) {
    const QString name = m.captured(1);
    const QImage image(root + '/' + name);
    if (image.isNull()) return Fail("no picture " + root + '/' + name);
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
  }
  return true;
}

void FitPictures(QTextDocument& doc) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      if (!format.isValid()) continue;
      const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
      const double width = std::min<double>(image.width(), kMaxPictureWidth);
      format.setWidth(width);
      format.setHeight(width * image.height() / std::max(image.width(), 1));
      QTextCursor cursor(&doc);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
}

void StartChaptersOnNewPages(QTextDocument& doc) {
  bool first = true;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 1) continue;
    if (!first) {
      QTextBlockFormat format = block.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(block).setBlockFormat(format);
    }
    first = false;
  }
}

void DrawTableGrids(QTextFrame* frame) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) {
      QTextTableFormat format = table->format();
      format.setBorder(1);
      format.setBorderBrush(QColor(150, 150, 150));
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      format.setBorderCollapse(true);
      format.setCellPadding(4);
      format.setCellSpacing(0);
      format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
      table->setFormat(format);
    }
    DrawTableGrids(child);
  }
}

QString FirstHeading(const QTextDocument& doc) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    if (block.blockFormat().headingLevel() == 1) return block.text();
  return QString();
}

bool MakeManual(const QString& out, const QString& root, const QStringList& pages) {
  QString markdown;
  for (const QString& page : pages) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) return Fail("cannot read " + page);
    markdown += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
  }
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("IPAPGothic"), 10));
  if (!AddPictures(doc, markdown, root)) return false;
  doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
  FitPictures(doc);
  StartChaptersOnNewPages(doc);
  DrawTableGrids(doc.rootFrame());

  QSaveFile file(out);
  if (!file.open(QIODevice::WriteOnly)) return Fail("cannot write " + out);
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));  // the document keeps its own 2 cm
    writer.setTitle(FirstHeading(doc));
    writer.setCreator(QStringLiteral("Tessaly"));
    doc.print(&writer);
  }
  return file.commit() || Fail("cannot write " + out);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "Usage: MakeManual OUT.pdf PICTURE_ROOT PAGE.md...\n");
    return 2;
  }
  return MakeManual(args[1], args[2], args.mid(3)) ? 0 : 1;
}
