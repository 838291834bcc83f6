#include "app/Batch.h"

#include "app/CommandLine.h"
#include "app/DocumentInfo.h"
#include "app/ExportBatch.h"
#include "app/MiradoDoc.h"
#include "app/PrintBatch.h"
#include "app/SamplePresentation.h"
#include "base/MessageSink.h"
#include "core/Document.h"
#include "render/SlideRenderer.h"

int RunBatch(const CommandLine& cl, std::FILE* out, std::FILE* err) {
  if (!cl.error.isEmpty()) {
    std::fprintf(err, "%s\n\n%s", qPrintable(cl.error), qPrintable(HelpText()));
    return 2;
  }
  if (cl.help || cl.version) {
    std::fputs(qPrintable(cl.help ? HelpText() : VersionText()), out);
    return 0;
  }
  StderrMessageSink sink(err);
  ScopedMessageSink scope(sink);
  if (!cl.makeSamplePath.isEmpty()) {
    const Result<void> saved = SaveSamplePresentation(cl.makeSamplePath);
    if (!saved) ShowFailure(saved.error());
    return saved ? 0 : 1;
  }
  Document doc;
  CMiradoDoc file(doc);
  if (!file.OpenDocument(cl.document, nullptr)) return 1;
  if (cl.Print()) return RunPrintBatch(doc, cl, err);
  if (cl.Export()) return RunExportBatch(doc, cl, err);
  if (cl.info) {
    std::fputs(DocumentInfoJson(doc).constData(), out);
    return 0;
  }
  if (cl.renderSlide > 0) {
    if (cl.renderSlide > doc.Header().SlideCount) {
      std::fprintf(err, "slide %d does not exist: the document has %d\n", cl.renderSlide,
                   doc.Header().SlideCount);
      return 1;
    }
    if (!RenderSlideImage(doc, cl.renderSlide - 1, cl.zoom).save(cl.outPath, "PNG")) {
      std::fprintf(err, "%s\n", qPrintable(cl.outPath + ": cannot be written"));
      return 1;
    }
    return 0;
  }
  return file.SaveDocument(cl.saveAsPath, nullptr) ? 0 : 1;
}
