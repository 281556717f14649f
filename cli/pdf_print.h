// Printing a print job into a PDF file, as the command line prints (the archiver prints
// through GTK's printing). Pages are laid out in device units of 300 per inch, as GTK's
// printing lays out a PDF page, and each picture goes into the file whole, marked for smooth
// scaling, stretched onto the part of its cell it fills.
#pragma once

#include <string>

class CPrintJob;

// A paper size by its name: "a4" (210 × 297 mm) or "letter" (8.5 × 11 inches).
struct CPaper {
  const char* name;
  double width_points;  // 72 to the inch
  double height_points;
};
// The paper of that name; nothing for a name it does not know.
const CPaper* PaperNamed(const std::string& name);

// What printing the job into a file came to.
enum class PdfPrintResult {
  kWritten,
  kJobEnded,  // the user ended the job at an insert-medium request; no file is left
  kFailed,    // the file could not be written; `error` says why, and no file is left
};

// Prints every page of the job into `path`, upright on `paper`.
PdfPrintResult PrintJobToPdf(CPrintJob& job, const std::string& path, const CPaper& paper,
                             std::string& error);
