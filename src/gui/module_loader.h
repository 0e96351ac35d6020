#pragma once
// The program's modules (the browser window, the printed lists) are loaded on
// first use so that their Qt libraries stay out of the start. They live beside
// the installed program in lib/lumivane, or in the build tree for the tests.

#include <QLibrary>
#include <QString>

namespace lumivane::gui {

// Loads the module of that file name into the library unless it is loaded
// already. False when no candidate can be loaded; the error then names the
// component and every place tried, with the loader's reason where a file was there.
bool LoadProgramModule(QLibrary& library, const QString& fileName, const QString& component,
                       QString& error);

// The module's function of that name; nullptr with an error naming the file
// when the module does not export it.
QFunctionPointer ResolveModuleFunction(QLibrary& library, const char* symbol,
                                       const QString& component, QString& error);

}  // namespace lumivane::gui
