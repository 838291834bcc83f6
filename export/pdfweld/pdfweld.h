/* The PDF helper that Tessaly loads at run time from its own folder: joins
   one-page PDF files and writes the document information. Texts and paths are
   NUL-terminated; information texts are CP932, paths are file-system bytes. */
#ifndef PDFWELD_H
#define PDFWELD_H

#ifdef __cplusplus
extern "C" {
#endif

typedef void* PDFHANDLE;

/* The PDF file at `path`, or a null handle when it cannot be read. */
PDFHANDLE LoadPDF(const char* path);

/* Appends the pages of `second` to `first`, which then holds both; with a
   non-empty `output` the joined document is also written there. 1 on success. */
int CombinePDF(PDFHANDLE first, PDFHANDLE second, const char* output);

/* Writes the document with its information to `output`, replacing an older
   file only once the new one is complete. `info` holds eight texts: Title,
   Author, Subject, Keywords, Creator, Producer, CreationDate, ModDate.
   1 on success. */
int WritePDFInfo(PDFHANDLE pdf, const char* const* info, const char* output);

/* Releases a handle; a document joined into another stays readable by it. */
void FreePDF(PDFHANDLE pdf);

#ifdef __cplusplus
}
#endif

#endif
