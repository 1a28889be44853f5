#pragma once

namespace zentadial {

// Under Wine, the system's own text drawing leaves the text of Qt's edit
// fields blank, while FreeType, which Qt carries, draws it. Chooses that
// engine there, before the application starts, unless the user chose a
// platform; on Windows itself and elsewhere it does nothing.
void preferReadableFontsUnderWine();

} // namespace zentadial
