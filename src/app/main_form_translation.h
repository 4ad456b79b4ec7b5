#pragma once
// What the main window's language controller leaves alone: texts the
// program writes itself at run time, and file masks, which are no language.
#include <array>
#include <string_view>

namespace zt {

inline constexpr std::array<std::wstring_view, 8> kMainFormIgnoreList = {
    L".Caption",                             // the window caption
    L"LabelOS.Caption",                      // the product name of Windows
    L"LabelSP.Caption",                      // its service pack
    L"LabelUser.Caption",                    // user and computer name
    L"ProgramNameOnAbout.Caption",           // program name and version
    L"Console.Lines",                        // the log of registry accesses
    L"OpenDialog.FileTypes[0].FileMask",     // "*.exe;..."
    L"OpenDialogCmd.FileTypes[0].FileMask",  // the same
};

}  // namespace zt
