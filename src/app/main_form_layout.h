#pragma once
// The main window as a layout: its frame, header, pages, buttons, console
// and tray icon. Page contents come with their pages.
#include <array>
#include <string_view>

#include "ui/layout.h"

namespace zt {

// The eighteen page controls, in navigation order; all share one rectangle.
inline constexpr std::array<std::wstring_view, 18> kMainPageNames = {
    L"SystemPage",       L"SecurityPage",        L"FilesAndDisksPage",   L"RestrictsPage",
    L"SysInfoPage",      L"ExplorerPage",        L"VisualFXPage",        L"CustomizeSystemPage",
    L"SystemBoostPage",  L"MemManagementPage",   L"ContextMenuPage",     L"LANPage",
    L"InternetExplorerPage", L"StartUpPage",     L"UnInstallPage",       L"WinUtilsPage",
    L"ZTSettingsPage",   L"ZTAboutPage",
};

// Client heights with the console hidden and shown.
inline constexpr int kClientHeightConsoleHidden = 499;
inline constexpr int kClientHeightConsoleShown = 595;

ui::layout::Form MainFormLayout();

}  // namespace zt
