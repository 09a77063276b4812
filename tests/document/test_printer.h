// A printer for the tests: Wine's PostScript driver writing to a file, since
// Wine offers only the printers of CUPS otherwise.
#pragma once

#include <string>

namespace tamsu::test {

// Adds the printer (or points an existing one at port) and makes it the
// default printer. port is a Windows path of the file the printer writes.
bool InstallTestPrinter(const std::wstring& name, const std::wstring& port);

// Sets the settings a printer starts from: orientation and copies.
bool SetPrinterDefaults(const std::wstring& name, short orientation, short copies);

}  // namespace tamsu::test
