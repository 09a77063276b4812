// The printer object's print job: BeginPrinting opens it, then the document's
// text is laid out with the editor's font and printed a page at a time while
// the progress window shows the page going out. The job ends by itself after
// the last page, early on "中止打印", and at the latest with the printer object.
#pragma once

#include "app/app.h"

namespace tamsu {

// Opens a job on 打印机1: the Print dialog (modal to MainWindow), the chosen
// printer's device context, the output file when printing to a file, the
// progress window with MainWindow disabled, the document and its first page.
// True when the job was opened and its first page started; false at once
// while a job is open, and on every failure, with nothing printed.
bool BeginPrinting(App& app);

// The open job's progress window; nullptr when no job is open.
HWND PrintProgressWindow(App& app);

}  // namespace tamsu
